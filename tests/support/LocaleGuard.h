#pragma once
#include <clocale>
#include <string>

// Switches the process to a German locale (decimal comma) for one test, as a
// running Qt application does under LC_ALL=de_DE.UTF-8. Returns false from
// active() where the machine has no such locale.
class GermanLocale {
public:
    GermanLocale()
    {
        const char* old = std::setlocale(LC_ALL, nullptr);
        m_old = old ? old : "C";
        for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "de_DE"}) {
            if (std::setlocale(LC_ALL, name)) {
                m_active = true;
                break;
            }
        }
    }
    ~GermanLocale() { std::setlocale(LC_ALL, m_old.c_str()); }
    bool active() const { return m_active; }

private:
    std::string m_old;
    bool m_active = false;
};
