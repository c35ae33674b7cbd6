// The application's own style, with the icons that a window may never show (the menu bar's and
// tool bars' extension arrows, a line edit's clear button) loaded when first drawn instead of
// when their widget is built: loading them starts the image readers and the icon theme's
// lookup, which would cost every start several milliseconds before the window shows.
#pragma once

#include <QProxyStyle>

class LazyIconStyle : public QProxyStyle
{
    Q_OBJECT
public:
    // A proxy of the style named key (the one Qt chose for the application).
    explicit LazyIconStyle(const QString &key);

    QIcon standardIcon(StandardPixmap icon, const QStyleOption *option = nullptr,
            const QWidget *widget = nullptr) const override;
};
