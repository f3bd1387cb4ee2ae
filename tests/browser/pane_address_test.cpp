// Texts handed to the pane and the addresses they load.
#include "browser/pane_address.h"

#include <gtest/gtest.h>

TEST(PaneAddress, TextsBecomeTheAddressesTheUserMeant)
{
    const struct {
        const char* text;
        const char* url;
    } cases[] = {
        {"localhost:8080/x", "http://localhost:8080/x"},
        {"127.0.0.1:8080", "http://127.0.0.1:8080"},
        {"auction-stats.example:81/search?q=%BB%FE+abc", "http://auction-stats.example:81/search?q=%BB%FE+abc"},
        {"[::1]:8080/x", "http://[::1]:8080/x"},
        {"http://127.0.0.1:8080/search?q=%BB%FE+abc&t=-1", "http://127.0.0.1:8080/search?q=%BB%FE+abc&t=-1"},
        {"tel:0312345678", "tel:0312345678"},
        {"mailto:someone@auction-stats.example", "mailto:someone@auction-stats.example"},
        {"/tmp/HELP/index.htm", "file:///tmp/HELP/index.htm"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(paneAddressToUrl(QString::fromUtf8(c.text)).toString(QUrl::FullyEncoded).toStdString(), c.url)
            << c.text;
}
