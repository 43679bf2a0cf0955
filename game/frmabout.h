#pragma once

#include <QDialog>

class TilePictures;

// The title picture and three lines of credits. Closed by "Chiudi" or Esc.
class frmAbout : public QDialog
{
    Q_OBJECT
public:
    explicit frmAbout(const TilePictures &pictures, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};

// The thin frame both boxes draw one pixel inside their edge.
void paintBoxBorder(QWidget *box);
