#include "ui/qt/pair_combo_box.h"

#include <QLineEdit>

namespace tessaly {

PairComboBox::PairComboBox(QWidget *parent)
    : QComboBox(parent)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
}

void PairComboBox::showPopup()
{
    emit dropDown();
    QComboBox::showPopup();
}

} // namespace tessaly
