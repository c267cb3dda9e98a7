#pragma once

#include "Control.h"

enum class SpinDirection { Increasing, Decreasing };

// The two arrows of a spin button. It holds no value: the owning form reacts to a step in
// either direction (a command taking a SpinDirection).
class CSpinButton : public CControl {};
