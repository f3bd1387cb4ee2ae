// The keyword tabs and their files. Not built yet: the handlers do nothing.
#include "app/main_window.h"

void TForm1::LoadFirstKeywordTab() {}
void TForm1::SaveShownKeywordTree() {}
void TForm1::TabControl2Change() {}
void TForm1::N24Click() {}
void TForm1::N25Click() {}
