#ifndef TESSALY_UI_QT_PAIR_COMBO_BOX_H
#define TESSALY_UI_QT_PAIR_COMBO_BOX_H

#include <QComboBox>

namespace tessaly {

// An editable combo box that announces the opening of its list before the list shows, however it
// is opened (mouse, Alt+Down, F4), so the list can be refilled first. Opening the list never
// changes the text in the edit field, and typing never completes or inserts anything.
class PairComboBox : public QComboBox
{
    Q_OBJECT

public:
    explicit PairComboBox(QWidget *parent = nullptr);

    void showPopup() override;

signals:
    void dropDown();
};

} // namespace tessaly

#endif
