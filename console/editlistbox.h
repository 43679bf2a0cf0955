#pragma once

#include <QWidget>

class QListWidget;
class QToolButton;

// A titled list whose items are edited in place, with buttons to add a new
// item and to delete the selected ones.
class EditListBox : public QWidget
{
    Q_OBJECT

public:
    explicit EditListBox(const QString &title, QWidget *parent = nullptr);

    void setItems(const QStringList &items);
    [[nodiscard]] QStringList items() const;
    [[nodiscard]] QListWidget *list() const { return m_list; }

    // Adds an empty item at the end and starts editing it.
    void addItem();
    void deleteSelected();
    // Ends an edit in progress, keeping what was typed.
    void commitEditing();

private:
    QListWidget *m_list;
    QToolButton *m_new;
    QToolButton *m_delete;
};
