#include "sheet_table.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QScrollBar>

namespace orvane {

SheetTable::SheetTable(QWidget *parent) : QTableWidget(parent)
{
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    // Tab leaves the table; the arrow keys move within it.
    setTabKeyNavigation(false);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(fontMetrics().lineSpacing() + 6);
    horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    horizontalHeader()->setStretchLastSection(true);
}

void SheetTable::setRows(const QStringList &headers, const QList<QStringList> &rows)
{
    clear();
    setColumnCount(static_cast<int>(headers.size()));
    setHorizontalHeaderLabels(headers);
    setRowCount(static_cast<int>(rows.size()));
    // The hidden row numbers are no headers to hear.
    setVerticalHeaderLabels(QStringList(rows.size(), QString()));
    for (int r = 0; r < rows.size(); ++r)
        for (int c = 0; c < rows[r].size(); ++c) {
            // A reader names the column as the focus moves across.
            setItem(r, c, new QTableWidgetItem(rows[r][c]));
        }
    // Every column in view: the tables scroll down only.
    resizeColumnsToContents();
    setMinimumWidth(horizontalHeader()->length() + verticalScrollBar()->sizeHint().width() + 2 * frameWidth());
    // The first Tab into the table lands on a row without a stray event.
    if (rowCount() > 0)
        selectionModel()->setCurrentIndex(model()->index(0, 0), QItemSelectionModel::NoUpdate);
}

void SheetTable::markRow(int row, const QString &what)
{
    QFont bold = font();
    bold.setBold(true);
    for (int c = 0; c < columnCount(); ++c)
        item(row, c)->setFont(bold);
    QTableWidgetItem *first = item(row, 0);
    first->setData(Qt::AccessibleTextRole, what + QStringLiteral(", ") + first->text());
    setCurrentCell(row, 0);
    scrollToItem(first, QAbstractItemView::PositionAtCenter);
}

void SheetTable::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    if (hasFocus())
        QTableWidget::currentChanged(current, previous);
    else
        QAbstractItemView::currentChanged(current, previous);
}

void SheetTable::focusInEvent(QFocusEvent *event)
{
    QTableWidget::focusInEvent(event);
    if (currentIndex().isValid())
        QTableWidget::currentChanged(currentIndex(), currentIndex());
}

} // namespace orvane
