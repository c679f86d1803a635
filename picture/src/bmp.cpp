#include "picture/bmp.h"
