#pragma once

#include "SkinnedControl.h"

#include <QString>

class FormPropertyReader;

// A signed number as a row of digit pictures, optionally with one decimal place (Div10), centred
// over an optional background picture. Scales by its height; raises Click when clicked.
class ShowNumber : public SkinnedControl
{
    Q_OBJECT
    Q_PROPERTY(int Value READ value WRITE setValue)
    Q_PROPERTY(QString TagNew READ tagNew WRITE setTagNew)
    Q_PROPERTY(bool Div10 READ div10 WRITE setDiv10)
    Q_PROPERTY(int BackColor READ backColor WRITE setBackColor)
    Q_PROPERTY(int BackPic READ backPic WRITE setBackPic)
    Q_PROPERTY(int PicNumber READ picNumber WRITE setPicNumber)
    Q_PROPERTY(int PicDig READ picDig WRITE setPicDig)

public:
    explicit ShowNumber(SkinImages& skin, QWidget* parent = nullptr);

    int value() const { return m_value; }
    void setValue(int value);
    QString tagNew() const { return m_tagNew; }
    void setTagNew(const QString& tag) { m_tagNew = tag; }
    bool div10() const { return m_div10; }
    void setDiv10(bool on);
    int backColor() const { return m_backColor; }
    void setBackColor(int rgb);
    int backPic() const { return m_backPic; }
    // A picture also sizes the control to it and becomes the base of its scaling; 0 is none.
    void setBackPic(int id);
    int picNumber() const { return m_picNumber; }
    // Without a background picture, the digit 0 then sets the control's height.
    void setPicNumber(int id);
    int picDig() const { return m_picDig; }
    void setPicDig(int id);

    double designHeight() const { return m_designHeight; }
    QList<int> glyphs() const;

    void readProperties(FormPropertyReader& properties);

signals:
    void Click();

protected:
    void render(QPainter& painter) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int m_value = 0;
    QString m_tagNew;
    bool m_div10 = false;
    int m_backColor = 0;
    int m_backPic = 0;
    int m_picNumber = 223;
    int m_picDig = 295;
    double m_designHeight = 0; // twips
    bool m_pressed = false;
};
