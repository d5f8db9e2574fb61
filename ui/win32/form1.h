#ifndef TESSALY_UI_WIN32_FORM1_H
#define TESSALY_UI_WIN32_FORM1_H

#include "ui/behaviour/form1_behaviour.h"
#include "ui/layout/form1_layout.h"
#include "ui/win32/fonts.h"
#include "ui/win32/windows_api.h"

#include <array>
#include <memory>
#include <string>

namespace tessaly {

class MessageBox;

namespace win32 {

class Form2;

// The main window in standard controls, built from its layout table. It is the window its shared
// behaviour works on, and forwards every event to it. Closing it ends the message loop. Without a
// message box of the caller's, it shows the system's.
class Form1 final : public Form1Port
{
public:
    explicit Form1(MessageBox *messageBox = nullptr);
    ~Form1() override;
    Form1(const Form1 &) = delete;
    Form1 &operator=(const Form1 &) = delete;

    [[nodiscard]] HWND window() const { return m_window; }
    // The control a layout entry describes, or null for one the table does not hold.
    [[nodiscard]] HWND control(const layout::Control &entry) const;
    // Null until "Disclaimer" is first pressed.
    [[nodiscard]] Form2 *form2() const { return m_form2.get(); }

    [[nodiscard]] bool isOptionSelected(Category category) const override;
    [[nodiscard]] CheckValue check1Value() const override;
    void combo1Clear() override;
    void combo1AddItem(const std::string &item) override;
    [[nodiscard]] std::string combo1Text() const override;
    [[nodiscard]] std::string text1Text() const override;
    void restoreCombo1Text(const std::string &text, std::optional<std::size_t> item) override;
    [[nodiscard]] double label1Room() const override;
    [[nodiscard]] double label1Width(std::string_view text, double points) const override;
    void showLabel1(const std::string &text, const ResultFit &fit) override;
    void announceLabel1(const std::string &text) override;
    void makeForm2() override;
    void showForm2() override;

    // The result's text as the control holds it, and its size in points.
    [[nodiscard]] std::string label1Shown() const;
    [[nodiscard]] double label1Points() const { return m_label1Points; }

private:
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);

    void createControls();
    void scaleTo(UINT dpi);

    HWND m_window = nullptr;
    // In the window order, as created.
    std::array<HWND, form1::windowOrder.size()> m_controls{};
    HWND Text1 = nullptr;
    HWND Command1 = nullptr;
    HWND Label1 = nullptr;
    // The label only screen readers see, which names the result by its text.
    HWND m_label1Name = nullptr;
    HWND Combo1 = nullptr;
    HWND Command2 = nullptr;
    // Where the focus was when another window took it, to go back there.
    HWND m_focus = nullptr;

    UINT m_dpi = USER_DEFAULT_SCREEN_DPI;
    FontHandle m_windowFont;
    FontHandle m_largeFont;
    FontHandle m_label1Font;
    double m_label1Points = 0;

    std::unique_ptr<Form2> m_form2;
    std::unique_ptr<MessageBox> m_ownMessageBox;
    std::unique_ptr<Form1Behaviour> m_behaviour;
};

} // namespace win32
} // namespace tessaly

#endif
