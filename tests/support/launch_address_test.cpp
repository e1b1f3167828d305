#include "support/launch_address.h"

#include <gtest/gtest.h>

#include "fixtures/qstring_printer.h"

using namespace mindrova;

TEST(HasScheme, SchemesAreNotHostsPortsOrDrives) {
    const struct {
        const char* address;
        bool scheme;
    } cases[] = {
        {"https://www.mindrova.example.com", true},
        {"http://x", true},
        {"mailto:someone@example.com", true},
        {"file:///tmp/a.txt", true},
        {"svn+ssh://host/repo", true},
        {"www.mindrova.example.com", false},
        {"www.mindrova.example.com/contactme.html?src=mdv#", false},
        {"www.mindrova.example.com:8080/x", false},
        {"localhost:8080/x", false},
        {"C:\\Program Files\\x", false},
        {"c:/x", false},
        {"host/page?time=10:30", false},
        {"1abc:x", false},
        {"", false},
        {":", false},
    };
    for (const auto& c : cases) EXPECT_EQ(HasScheme(c.address), c.scheme) << c.address;
}

TEST(AddressToUrl, BareAddressesBecomeWebAddresses) {
    const struct {
        const char* address;
        const char* url;
    } cases[] = {
        {"www.mindrova.example.com", "https://www.mindrova.example.com"},
        {"  www.mindrova.example.com/contactme.html?src=mdv#  ",
         "https://www.mindrova.example.com/contactme.html?src=mdv#"},
        {"www.mindrova.example.com?src=mdv#", "https://www.mindrova.example.com?src=mdv#"},
        {"www.mindrova.example.com/erroreh.php?Comments=it+froze++here&Email=a%26b%40example.com",
         "https://www.mindrova.example.com/"
         "erroreh.php?Comments=it+froze++here&Email=a%26b%40example.com"},
        {"mailto:a@example.com", "mailto:a@example.com"},
        {"file:///tmp/a.txt", "file:///tmp/a.txt"},
        {"http://www.mindrova.example.com", "http://www.mindrova.example.com"},
    };
    for (const auto& c : cases) {
        const QUrl url = AddressToUrl(c.address);
        EXPECT_TRUE(url.isValid()) << c.address;
        EXPECT_EQ(url.toString(QUrl::FullyEncoded).toStdString(), c.url);
    }
}

TEST(AddressToUrl, UnusableAddressesGiveNoUrl) {
    for (const char* address : {"", "   ", "https://exa mple.com:99999999/"}) {
        EXPECT_FALSE(AddressToUrl(address).isValid()) << address;
    }
}
