#include "pdfdocument.h"

#include "pdffontfix.h"

using namespace Qt::StringLiterals;

PdfDocument::PdfDocument(const QString &title, const SimulatedMargins &margins)
    : m_surface(m_writer, margins)
{
    m_buffer.open(QIODevice::WriteOnly);
    m_writer.setPdfVersion(QPagedPaintDevice::PdfVersion_A1b);
    m_writer.setTitle(title);
    m_writer.setCreator(u"ヴェルトラ"_s);
}

QByteArray PdfDocument::bytes() const
{
    return fixEmbeddedFonts(m_bytes);
}
