#include "app/process/Runner.h"
#include "app/Window.h"
