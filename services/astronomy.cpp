#include "services/astronomy.h"
