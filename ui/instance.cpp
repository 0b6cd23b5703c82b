#include "ui/instance.h"

namespace ombrela {

HINSTANCE InstanceHandle = nullptr;
int ControlIdCounter = 0;

}  // namespace ombrela
