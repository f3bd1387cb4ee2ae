#include "app/command_line.h"

#include "app/main_window.h"
#include "help/launches.h"
#include "pane/browser_pane.h"
#include "search/search_bar.h"

void applyCommandLine(TForm1& form, const CommandLine& commandLine)
{
    if (!commandLine.address.isEmpty()) {
        form.guarded([&] { form.browserPane().navigate(commandLine.address); });
        // The note waits for the page asked for: the start-up's help page may finish loading, or
        // be cut short, before it.
        if (commandLine.addressesLeftOut > 0)
            form.browserPane().noteOnceShown(
                QStringLiteral("最初のアドレスだけを開きました（ほか%1件）").arg(commandLine.addressesLeftOut),
                helpPageAddress(form.executablePath()));
    } else if (!commandLine.keyword.isEmpty()) {
        form.searchBar().showTypedKeyword(commandLine.keyword);
        form.guarded([&] { form.searchBar().Button1Click(); });
    }
}
