// What an update handler asks for a command's user interface (menu item). It only records the
// request; the frame applies it to the menu in one place.
#pragma once

#include <optional>

class CCmdUI {
public:
    explicit CCmdUI(unsigned id) : m_nID(id) {}

    void Enable(bool on = true) { m_enabled = on; }
    void SetCheck(int check = 1) { m_check = check; }
    void SetRadio(bool on = true) { m_radio = on; }

    unsigned m_nID;
    std::optional<bool> m_enabled;
    std::optional<int> m_check;
    std::optional<bool> m_radio;
};
