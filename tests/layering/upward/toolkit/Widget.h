#pragma once
#include <windows.h>
#include "core/Pure.h"
#include "skin/forms/Frame.h"
