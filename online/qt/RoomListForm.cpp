#include "online/qt/RoomListForm.h"

#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>

#include "online/Lobby.h"
#include "platform/qt/QtGbk.h"

TRoomListForm::TRoomListForm(QWidget* parent) : QDialog(parent), ListView1(nullptr) {
    setWindowTitle(platform::FromGbk("请选择房间进入"));
    setFixedSize(270, 300);
    auto* group = new QGroupBox(platform::FromGbk("房间列表"), this);
    group->setGeometry(8, 6, 254, 246);
    auto* note = new QLabel(platform::FromGbk("注意:如果是断线续玩,请选择上一次登录的房间"), group);
    note->setGeometry(8, 18, 238, 30);
    note->setWordWrap(true);
    ListView1 = new QTreeWidget(group);
    ListView1->setGeometry(8, 50, 238, 188);
    ListView1->setRootIsDecorated(false);
    ListView1->setColumnCount(2);
    ListView1->setHeaderLabels({platform::FromGbk("房间名称"), platform::FromGbk("在线人数")});
    ListView1->setColumnWidth(0, 150);
    ListView1->setColumnWidth(1, 70);
    auto* ok = new QPushButton(platform::FromGbk("确定"), this);
    ok->setGeometry(100, 262, 70, 28);
    ok->setDefault(true);
    auto* cancel = new QPushButton(platform::FromGbk("取消"), this);
    cancel->setGeometry(184, 262, 70, 28);
    QObject::connect(ok, &QPushButton::clicked, [this] { BitBtn1Click(); });
    QObject::connect(cancel, &QPushButton::clicked, [this] { reject(); });
    QObject::connect(ListView1, &QTreeWidget::currentItemChanged,
                     [this](QTreeWidgetItem* item, QTreeWidgetItem*) { ListView1SelectItem(item); });
}

void TRoomListForm::Fill() {
    ListView1->clear();
    for (const RoomListRow& row : Lobby.roomList) {
        auto* item = new QTreeWidgetItem(ListView1, {platform::FromGbk(row.name),
                                                     platform::FromGbk(row.count)});
        item->setTextAlignment(1, Qt::AlignCenter);
        item->setCheckState(0, row.checked ? Qt::Checked : Qt::Unchecked);
    }
}

void TRoomListForm::ListView1SelectItem(QTreeWidgetItem* item) {
    if (!item) return;
    for (int i = 0; i < ListView1->topLevelItemCount(); i++)
        ListView1->topLevelItem(i)->setCheckState(0, Qt::Unchecked);
    item->setCheckState(0, Qt::Checked);
}

void TRoomListForm::BitBtn1Click() {
    for (int i = 0; i < ListView1->topLevelItemCount() && i < static_cast<int>(Lobby.roomList.size()); i++)
        Lobby.roomList[i].checked = ListView1->topLevelItem(i)->checkState(0) == Qt::Checked;
    if (EnterCheckedRoom()) accept();
}
