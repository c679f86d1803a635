#include "picture/images.h"
