#include "editor/croomtypedlg.h"

#include "editor/editingui.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QIcon swatch(quint32 argb)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(editingui::rgbColor(argb));
    QPainter p(&pixmap);
    p.setPen(Qt::darkGray);
    p.drawRect(0, 0, 15, 15);
    return QIcon(pixmap);
}

} // namespace

CRoomTypeDlg::CRoomTypeDlg(QWidget *parent) : QDialog(parent), m_list(new QListWidget(this))
{
    setWindowTitle(tr("Applica uno stile predefinito"));
    m_list->setObjectName(QStringLiteral("presets"));
    for (const editing::RoomPresetInfo &p : editing::roomPresets())
        m_list->addItem(new QListWidgetItem(swatch(p.fillArgb), editing::roomPresetName(p.preset)));
    m_list->setCurrentRow(0);
    auto *label = new QLabel(tr("&Stili predefiniti:"), this);
    label->setBuddy(m_list);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(m_list);
    auto *buttons = editingui::addOkCancel(this, layout);
    connect(m_list, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    connect(m_list, &QListWidget::currentRowChanged, this,
            [buttons](int row) { buttons->button(QDialogButtonBox::Ok)->setEnabled(row >= 0); });
    resize(260, 300);
}

std::optional<editing::RoomPreset> CRoomTypeDlg::preset() const
{
    const int row = m_list->currentRow();
    if (row < 0 || row >= editing::roomPresetCount)
        return std::nullopt;
    return static_cast<editing::RoomPreset>(row);
}

void CRoomTypeDlg::setPreset(editing::RoomPreset preset)
{
    m_list->setCurrentRow(static_cast<int>(preset));
}
