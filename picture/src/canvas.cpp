#include "picture/canvas.h"
