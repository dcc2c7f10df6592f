#pragma once

// The source tree and the folder the built programs are in, written into one
// generated file of the build: compiled into every test as definitions, they
// would make each test's compilation differ between two checkouts and miss
// the compiler cache.
extern const char* const ProjectSourceDir;
extern const char* const ToolsBinaryDir;
