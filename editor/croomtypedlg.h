#pragma once

#include "editor/tools/roompresets.h"

#include <QDialog>

#include <optional>

class QListWidget;

// "Applica uno stile predefinito": the nine room types; OK or a double-click
// applies the chosen one.
class CRoomTypeDlg : public QDialog
{
    Q_OBJECT
public:
    explicit CRoomTypeDlg(QWidget *parent = nullptr);

    [[nodiscard]] std::optional<editing::RoomPreset> preset() const;
    void setPreset(editing::RoomPreset preset);

private:
    QListWidget *m_list;
};
