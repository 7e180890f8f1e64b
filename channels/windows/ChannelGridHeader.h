#pragma once

#include <QColor>
#include <QHeaderView>

namespace mk21 {

// The channel grid's header row, its labels drawn in a colour of their own. The colour is given
// to the label alone: the style keeps a cached picture of each section per palette, and a
// palette changed for every paint (or every new window) would add pictures to that cache on
// every redraw.
class ChannelGridHeader final : public QHeaderView {
    Q_OBJECT
public:
    explicit ChannelGridHeader(QWidget* parent = nullptr);

    void setTextColor(const QColor& text);
    QColor textColor() const { return text_; }

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;

private:
    QColor text_;
};

} // namespace mk21
