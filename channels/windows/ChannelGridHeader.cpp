#include "channels/windows/ChannelGridHeader.h"

#include <QPainter>
#include <QStyleOptionHeader>

namespace mk21 {

ChannelGridHeader::ChannelGridHeader(QWidget* parent) : QHeaderView(Qt::Horizontal, parent)
{
}

void ChannelGridHeader::setTextColor(const QColor& text)
{
    if (text_ == text)
        return;
    text_ = text;
    viewport()->update();
}

void ChannelGridHeader::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const
{
    if (!rect.isValid())
        return;
    QStyleOptionHeader section;
    initStyleOption(&section);
    initStyleOptionForIndex(&section, logicalIndex);
    section.rect = rect;
    // The section with the header's own palette, so that its cached picture is found again.
    style()->drawControl(QStyle::CE_HeaderSection, &section, painter, this);
    QStyleOptionHeader label = section;
    label.rect = style()->subElementRect(QStyle::SE_HeaderLabel, &section, this);
    if (text_.isValid())
        label.palette.setColor(QPalette::ButtonText, text_);
    style()->drawControl(QStyle::CE_HeaderLabel, &label, painter, this);
}

} // namespace mk21
