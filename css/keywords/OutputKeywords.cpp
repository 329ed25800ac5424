#include "css/keywords/OutputKeywords.h"

namespace Xml {

template class TXmlAttribute<Duplex>;
template class TXmlAttribute<PDFConformance>;
template class TXmlAttribute<TTFEmbedMode>;
template class TXmlAttribute<AFPEncoding>;
template class TXmlAttribute<PlayMediaObject>;
template class TXmlAttribute<JavaScriptType>;
template class TXmlAttribute<ScriptType>;
template class TXmlAttribute<FormControlType>;
template class TXmlAttribute<FormActionType>;
template class TXmlAttribute<FormTriggerAction>;
template class TXmlAttribute<LightingScheme>;

}  // namespace Xml
