#pragma once

// A pseudo-random generator that the draw reseeds before every card.
class Generator {
public:
    virtual ~Generator() = default;
    virtual void reseed(float seed) = 0;
    // The next number r with 0 <= r < 1, exact in single precision.
    virtual float next() = 0;
};
