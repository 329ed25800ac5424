#include "css/keywords/PageKeywords.h"

namespace Xml {

template class TXmlAttribute<Break>;
template class TXmlAttribute<Keep>;
template class TXmlAttribute<ForcePageCount>;
template class TXmlAttribute<PagePosition>;
template class TXmlAttribute<Parity>;
template class TXmlAttribute<BlankOrNotBlank>;
template class TXmlAttribute<ReferenceOrientation>;
template class TXmlAttribute<Span>;
template class TXmlAttribute<FootnoteRestartRule>;
template class TXmlAttribute<RetrieveBoundary>;
template class TXmlAttribute<RetrievePosition>;
template class TXmlAttribute<RetrieveBoundaryWithinTable>;
template class TXmlAttribute<RetrievePositionWithinTable>;
template class TXmlAttribute<PageConstraint>;
template class TXmlAttribute<PageRegionConstraint>;
template class TXmlAttribute<AlignmentConstraint>;
template class TXmlAttribute<MaxRepeats>;

}  // namespace Xml
