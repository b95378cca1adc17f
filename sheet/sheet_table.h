#pragma once
// The sheet's read-only tables: rows chosen whole, Tab leaves the table, and
// a screen reader hears each cell with its column, row by row as well.

#include <QTableWidget>

namespace orvane {

class SheetTable : public QTableWidget {
    Q_OBJECT
public:
    explicit SheetTable(QWidget *parent = nullptr);

    void setRows(const QStringList &headers, const QList<QStringList> &rows);
    // Sets `row` in bold and makes it current, in the middle of the view;
    // `what` is heard before its first cell.
    void markRow(int row, const QString &what);

protected:
    // Moving the current row from code sends no focus event: the focus
    // stays where the keyboard is.
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;
    // Arriving by keyboard, the current row is heard, not only the table.
    void focusInEvent(QFocusEvent *event) override;
};

} // namespace orvane
