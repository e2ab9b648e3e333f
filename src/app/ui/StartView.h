#pragma once
#include "app/ui/Pictures.h"
#include "shell/ui/ChildView.h"

#include <QPixmap>
#include <QWidget>

// The start window: the title picture, unscaled, at the top-left corner; no scrolling, so a
// smaller window shows the picture clipped at the right and bottom.
class StartView : public QWidget, public ChildView
{
    Q_OBJECT
public:
    static constexpr QSize kPictureSize{1000, 760};

    static const pictures::Picture &startPicture();

    explicit StartView(QWidget *parent = nullptr);
    const QPixmap &picture() const;

    // The start window's document can be saved: it holds no data, so the file written is empty.
    ViewActions offeredActions() const override;
    void perform(ViewAction command) override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    mutable QPixmap m_picture;
};
