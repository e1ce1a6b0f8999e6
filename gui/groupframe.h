// A captioned frame drawn the classic way: an etched line whose top runs
// through the middle of the caption, so that rows placed 20 px below the
// frame's top clear the caption as they were laid out to.
#pragma once

#include <QGroupBox>

namespace app::qt {

class GroupFrame : public QGroupBox {
public:
    explicit GroupFrame(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace app::qt
