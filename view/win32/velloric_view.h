// The keyboard form view on the template of the chosen layout. It hands the
// document the keys of the remapped keyboard with what each produces.
#pragma once

#include "app/framework/win32/view.h"
#include "model/keyboard_services.h"
#include "model/remap_keyboard.h"

class CVelloricView : public CFormView, public IRemapKeyboard
{
public:
    explicit CVelloricView(IKeyboardServices& keyboard);

    void OnInitialUpdate() override;
    void GetRemappedKeys(std::vector<CRemappedKey>* pKeys) override;

private:
    IKeyboardServices& m_keyboard;
    BOOL m_b106Layout;
};
