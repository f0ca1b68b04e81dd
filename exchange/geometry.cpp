#include "exchange/geometry.h"
