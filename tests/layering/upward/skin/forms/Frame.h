#pragma once
#include "toolkit/Widget.h"
#include "skin/paint/Brush.h"
