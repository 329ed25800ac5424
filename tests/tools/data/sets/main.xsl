<xsl:stylesheet version="1.0" xmlns:xsl="http://www.w3.org/1999/XSL/Transform" xmlns:fo="http://www.w3.org/1999/XSL/Format">
<xsl:include href="sets.xsl"/>
<xsl:template match="/"><fo:table xsl:use-attribute-sets="t"/></xsl:template>
</xsl:stylesheet>
