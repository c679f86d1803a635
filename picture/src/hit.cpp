#include "picture/hit.h"
