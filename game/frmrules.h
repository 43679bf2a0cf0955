#pragma once

#include <QDialog>

class TilePictures;

// How to play: the five kinds of tile, each with its pictures and a line of
// text. Closed by "Chiudi" or Esc.
class frmRules : public QDialog
{
    Q_OBJECT
public:
    explicit frmRules(const TilePictures &pictures, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};
