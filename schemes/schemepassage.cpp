#include "schemes/schemepassage.h"

SchemePassage::~SchemePassage() = default;
