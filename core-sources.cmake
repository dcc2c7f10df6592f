# The sources of the core that the desktop program and the web page share,
# listed once: the desktop's libraries and the web edition's WebAssembly
# build both take them from here.
set(core_root ${CMAKE_CURRENT_LIST_DIR})

# The trial engine: nothing but the standard library.
set(EngineSources
    ${core_root}/engine/checkpoints.cpp ${core_root}/engine/checkpoints.h
    ${core_root}/engine/clock.h
    ${core_root}/engine/deck.cpp ${core_root}/engine/deck.h
    ${core_root}/engine/earlier_experiments.cpp ${core_root}/engine/earlier_experiments.h
    ${core_root}/engine/generator.h
    ${core_root}/engine/number_text.cpp ${core_root}/engine/number_text.h
    ${core_root}/engine/spread.cpp ${core_root}/engine/spread.h
    ${core_root}/engine/tally.cpp ${core_root}/engine/tally.h
)

# Pooling a class's pasted results: only the engine and the standard library.
set(PoolingSources
    ${core_root}/pooling/class_pool.cpp ${core_root}/pooling/class_pool.h
    ${core_root}/pooling/fields.cpp ${core_root}/pooling/fields.h
    ${core_root}/pooling/file_encoding.cpp ${core_root}/pooling/file_encoding.h
    ${core_root}/pooling/line_rules.cpp ${core_root}/pooling/line_rules.h
    ${core_root}/pooling/pooling_texts.cpp ${core_root}/pooling/pooling_texts.h
)

# The windows, the figure, the help page and the texts as designed.
set(DesignSources
    ${core_root}/design/class_figures.cpp ${core_root}/design/class_figures.h
    ${core_root}/design/class_window.h
    ${core_root}/design/cues.h
    ${core_root}/design/form1_layout.h
    ${core_root}/design/graph_figure.cpp ${core_root}/design/graph_figure.h
    ${core_root}/design/help_page.cpp ${core_root}/design/help_page.h
    ${core_root}/design/help_text.h
    ${core_root}/design/surface_layouts.h
    ${core_root}/design/texts.cpp ${core_root}/design/texts.h
    ${core_root}/design/units.h
)

# The main window's rules.
set(ControllerSources
    ${core_root}/controller/class_content.cpp ${core_root}/controller/class_content.h
    ${core_root}/controller/graph_content.cpp ${core_root}/controller/graph_content.h
    ${core_root}/controller/main_controller.cpp ${core_root}/controller/main_controller.h
    ${core_root}/controller/services.h
)

# The clock and the generator that the engine declares.
set(RuntimeSources
    ${core_root}/runtime/system_clock.cpp ${core_root}/runtime/system_clock.h
    ${core_root}/runtime/splitmix_generator.cpp ${core_root}/runtime/splitmix_generator.h
)
