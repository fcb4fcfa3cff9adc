// The room list window: the rooms of the server with their online counts, one checkable row
// each (row i is room i); OK enters the first checked room, Cancel sends nothing.
#pragma once

#include <QDialog>

class QTreeWidget;
class QTreeWidgetItem;

class TRoomListForm : public QDialog {
public:
    explicit TRoomListForm(QWidget* parent = nullptr);

    // Rows from the lobby's room list.
    void Fill();
    // Selecting a row checks it alone.
    void ListView1SelectItem(QTreeWidgetItem* item);
    void BitBtn1Click();

    QTreeWidget* ListView1;
};
