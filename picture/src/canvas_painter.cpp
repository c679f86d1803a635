#include "picture/canvas_painter.h"
