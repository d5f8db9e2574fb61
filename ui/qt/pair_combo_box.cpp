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
    // Refilling empties the list, and QComboBox then clears or replaces the edit text; the user's
    // text must survive that, with its item highlighted when the list has one.
    const QString text = currentText();
    emit dropDown();
    setCurrentIndex(findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive));
    setEditText(text);
    QComboBox::showPopup();
}

} // namespace tessaly
