#include "ICourier.h"

ICourier::~ICourier() = default;
