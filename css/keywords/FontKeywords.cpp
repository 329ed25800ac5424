#include "css/keywords/FontKeywords.h"

namespace Xml {

template class TXmlAttribute<FontStyle>;
template class TXmlAttribute<FontWeight>;
template class TXmlAttribute<FontVariant>;
template class TXmlAttribute<TextLineStyle>;
template class TXmlAttribute<TextAlign>;
template class TXmlAttribute<TextDirection>;
template class TXmlAttribute<WhiteSpaceTreatment>;
template class TXmlAttribute<LinefeedTreatment>;
template class TXmlAttribute<WrapOption>;
template class TXmlAttribute<LineStackingStrategy>;
template class TXmlAttribute<LineHeightShiftAdjustment>;
template class TXmlAttribute<AlignmentBaseline>;
template class TXmlAttribute<DisplayAlign>;
template class TXmlAttribute<Visibility>;
template class TXmlAttribute<LeaderPattern>;
template class TXmlAttribute<LeaderAlignment>;
template class TXmlAttribute<TabStopType>;
template class TXmlAttribute<TabPattern>;

}  // namespace Xml
