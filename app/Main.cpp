// The program's one application object. The window layer's WinMain runs
// its InitInstance and then its message loop.
#include "app/CorvApp.h"

CCorvApp theApp;
