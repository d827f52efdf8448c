#pragma once

#include "SkinnedControl.h"

#include <QList>
#include <QString>
#include <QTimer>

class FormPropertyReader;

// The window's general picture control: a push button, toggle, multi-state selector or display,
// or a static panel. It draws the pictures of Pics at the offsets PosX/PosY, showing its Value as
// the state of the picture at ValueIndex (id + Value), and scales everything by its width.
class SimpControl : public SkinnedControl
{
    Q_OBJECT
    Q_PROPERTY(int Value READ value WRITE setValue)
    Q_PROPERTY(QString TagNew READ tagNew WRITE setTagNew)
    Q_PROPERTY(QString PosX READ posX WRITE setPosX)
    Q_PROPERTY(QString PosY READ posY WRITE setPosY)
    Q_PROPERTY(QString Pics READ pics WRITE setPics)
    Q_PROPERTY(int ValueIndex READ valueIndex WRITE setValueIndex)
    Q_PROPERTY(int ActionType READ actionType WRITE setActionType)
    Q_PROPERTY(int BackColor READ backColor WRITE setBackColor)
    Q_PROPERTY(bool UserHightCutPic READ userHightCutPic WRITE setUserHightCutPic)

public:
    // How a press changes the state.
    enum Action : int
    {
        Toggle = 0,    // Value flips between 0 and 1, Click on the press
        Momentary = 1, // Value is 1 while pressed, Click on a release over the button
        NotifyOnly = 2 // Click on the press; the owner sets Value
    };
    static constexpr int HighCutPicture = 395;

    explicit SimpControl(SkinImages& skin, QWidget* parent = nullptr);

    int value() const { return m_value; }
    void setValue(int value);
    QString tagNew() const { return m_tagNew; }
    void setTagNew(const QString& tag) { m_tagNew = tag; }
    QString posX() const { return m_posX; }
    void setPosX(const QString& offsets);
    QString posY() const { return m_posY; }
    void setPosY(const QString& offsets);
    QString pics() const { return m_pics; }
    // Also makes the control the natural size of the first picture, the base of its scaling.
    void setPics(const QString& ids);
    int valueIndex() const { return m_valueIndex; }
    void setValueIndex(int index);
    int actionType() const { return m_actionType; }
    void setActionType(int action) { m_actionType = action; }
    int backColor() const { return m_backColor; }
    void setBackColor(int rgb);
    bool userHightCutPic() const { return m_userHightCutPic; }
    void setUserHightCutPic(bool on);

    int designWidth() const { return m_designWidth; }

    // Shows for a moment, with a red flash, that a press was refused: seen where a beep is not
    // heard.
    void showRefusal();
    bool isShowingRefusal() const { return m_refusal.isActive(); }
    static constexpr int RefusalMs = 450;

    void readProperties(FormPropertyReader& properties);

signals:
    void Click();
    void MouseDown(int Button, int Shift, float X, float Y);
    void MouseMove(int Button, int Shift, float X, float Y);

protected:
    void render(QPainter& painter) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void setDesignWidthFromPics();

    int m_value = 0;
    QString m_tagNew;
    QString m_posX = QStringLiteral("0");
    QString m_posY = QStringLiteral("0");
    QString m_pics = QStringLiteral("102");
    QList<int> m_offsetsX{0};
    QList<int> m_offsetsY{0};
    QList<int> m_pictureIds{102};
    int m_valueIndex = 0;
    int m_actionType = Momentary;
    int m_backColor = 0;
    bool m_userHightCutPic = false;
    bool m_held = false;   // a momentary press not yet released
    int m_designWidth = 0; // twips
    QTimer m_refusal;      // runs while the refusal shows
};
