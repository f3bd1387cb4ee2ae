// Settings load and save. Not built yet: the handlers do nothing.
#include "app/main_window.h"

void TForm1::LoadSettings() {}
void TForm1::SaveSettings() {}
