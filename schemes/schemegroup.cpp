#include "schemes/schemegroup.h"

#include "graphics/graphicsitem.h"
#include "model/check.h"
#include "model/datastream.h"
#include "model/project.h"

#include <QClipboard>
#include <QDir>
#include <QGuiApplication>

#include <algorithm>
#include <utility>

namespace {

const int schemeGroupItemActions[4] = {47, 48, 51, 49};
const int schemeGroupGroupChildActions[] = {48, 51, 49, 52};

} // namespace

SchemeGroup::SchemeGroup(Project *project)
    : ItemMenager<Scheme, DlgPropScheme>(project)
{
    if (treeItem())
        treeItem()->setIcons(QStringLiteral(":/images/scheme_group.png"),
                             QStringLiteral(":/images/scheme_group_open.png"));
    registerItemActions(schemeGroupItemActions, 4);
    if (hasCommands()) {
        addHandler(52, this, SLOT(copy()));
        addHandler(53, this, SLOT(paste()));
        setActionEnabled(53, canPaste());
    }
    if (QClipboard *clipboard = QGuiApplication::clipboard())
        connect(clipboard, &QClipboard::dataChanged, this, &SchemeGroup::clipboardChanged);
}

void SchemeGroup::clipboardChanged()
{
    if (hasCommands())
        setActionEnabled(53, canPaste());
}

void SchemeGroup::updateTexts()
{
    if (treeItem())
        treeItem()->setTexts(tr("ATR") + QString::asprintf(" %.2d", m_atrNumber), m_comment);
}

void SchemeGroup::setAtrNumber(int number)
{
    if (!CHECK_PTR(treeItem()))
        return;
    if (number != m_atrNumber) {
        m_atrNumber = number;
        // The sheets' names carry the number.
        if (project()) {
            for (Scheme *scheme : std::as_const(items)) {
                if (scheme)
                    project()->emitNameChangedGraphicsScene(*scheme);
            }
        }
    }
    updateTexts();
}

void SchemeGroup::setComment(const QString &comment)
{
    m_comment = comment;
    updateTexts();
}

QString SchemeGroup::projectProperty(int index, bool ownOnly) const
{
    if (index >= FirstMember && index < FirstMember + MemberCount && !m_members[index - FirstMember].isEmpty())
        return m_members[index - FirstMember];
    if (ownOnly || !project())
        return QString();
    return project()->projectProperty(index);
}

bool SchemeGroup::setOwnProperty(int index, const QString &text)
{
    if (index < FirstMember || index >= FirstMember + MemberCount || m_members[index - FirstMember] == text)
        return false;
    m_members[index - FirstMember] = text;
    return true;
}

bool SchemeGroup::prepareSchemeFiles(const QString &projectDirectory, const QSet<int> &reserved)
{
    m_writtenStand = false;
    m_noneModified = false;
    m_preparedDirectory.clear();
    m_preparedBase.clear();
    // A numbered group whose sheets keep their files in its directory and
    // none of which is written by this save has nothing to prepare. Its
    // sheets are where the last save of the group put them when the group
    // holds the same ones, none modified since (a sheet given a new file is
    // modified).
    if (m_dirNumber.number != 0) {
        const bool unmodified = allItems([](const Scheme *scheme) { return !scheme->isModified(); });
        // The lists compared element by element: the toolkit's comparison
        // hands memcmp a null pointer for an empty list that never held room.
        const bool sameSheets = m_written.sheets.size() == items.size()
            && std::equal(m_written.sheets.cbegin(), m_written.sheets.cend(), items.cbegin());
        m_writtenStand = unmodified && m_written.format >= 0 && sameSheets
            && m_written.number == m_dirNumber.number && m_written.base == projectDirectory;
        const QString directory = m_writtenStand ? m_written.directory : m_dirNumber.path(projectDirectory);
        const bool settled = m_writtenStand
            || (unmodified && allItems([&directory](const Scheme *scheme) { return scheme->hasFileIn(directory); }));
        if (settled) {
            m_preparedDirectory = directory;
            m_preparedBase = projectDirectory;
            m_noneModified = true;
            return true;
        }
    }
    if (!m_dirNumber.create(projectDirectory, [&reserved](int n) { return reserved.contains(n); }))
        return false;
    const QString directory = m_dirNumber.path(projectDirectory);
    // Names already given in the group are not given twice.
    QSet<QString> taken;
    for (Scheme *scheme : std::as_const(items)) {
        if (scheme && !scheme->file().fileName().isEmpty()) {
            const QString &path = scheme->file().fileName();
            taken.insert(path.mid(path.lastIndexOf(QLatin1Char('/')) + 1));
        }
    }
    for (Scheme *scheme : std::as_const(items)) {
        if (!CHECK_PTR(scheme) || !scheme->prepareFile(directory, taken))
            return false;
    }
    m_preparedDirectory = directory;
    m_preparedBase = projectDirectory;
    return true;
}

bool SchemeGroup::hasGraphicsItem(GraphicsScene *scene, GraphicsItem *item) const
{
    auto *scheme = dynamic_cast<Scheme *>(scene);
    return scheme && items.contains(scheme) && scheme->containsItem(scene, item);
}

void SchemeGroup::findItems(const QString &text, QList<GraphicsItem *> &found, bool wholeName,
                            Qt::CaseSensitivity sensitivity, bool includeTexts, bool selectedOnly) const
{
    for (const Scheme *scheme : items) {
        if (CHECK_PTR(scheme))
            scheme->findItems(text, found, wholeName, sensitivity, includeTexts, selectedOnly);
    }
}

void SchemeGroup::saveFirst(DataStream &stream)
{
    if (!m_noneModified)
        ItemMenager<Scheme, DlgPropScheme>::saveFirst(stream);
}

bool SchemeGroup::saveSecond(DataStream &stream)
{
    return m_noneModified || ItemMenager<Scheme, DlgPropScheme>::saveSecond(stream);
}

QString SchemeGroup::directoryPath() const
{
    return m_dirNumber.number != 0 && project() ? m_dirNumber.path(project()->file(Project::MainFile)->absolutePath())
                                                : QString();
}

void SchemeGroup::stampDirectory()
{
    const QString path = directoryPath();
    m_dirStamp = path.isEmpty() ? FolderStamp() : folderStamp(path);
}

bool SchemeGroup::directoryUnchanged() const
{
    const QString path = directoryPath();
    return !m_dirStamp.isNull() && !path.isEmpty() && folderStamp(path) == m_dirStamp;
}

void SchemeGroup::saveFinished(bool saved)
{
    // A directory this save wrote into is the group's as it now stands.
    if (saved && !m_noneModified)
        stampDirectory();
    // No sheet of an unmodified group waits for the save's end, and a
    // failed Save as puts the sheets back itself.
    if (!m_noneModified && (saved || !m_savingAs))
        eachItem([saved](Scheme *scheme) { scheme->saveFinished(saved); });
    m_noneModified = false;
}

void SchemeGroup::prepareFullSave()
{
    m_written = WrittenRecords();
    eachItem([](Scheme *scheme) { scheme->setModified(true); });
}

void SchemeGroup::prepareSaveAs(bool anotherProject)
{
    m_savingAs = true;
    m_numberBeforeSaveAs = m_dirNumber.number;
    m_sheetsBeforeSaveAs.clear();
    eachItem([this](Scheme *scheme) { m_sheetsBeforeSaveAs.append({scheme, scheme->fileState()}); });
    m_drawsForSaveAs = anotherProject;
    if (anotherProject)
        m_dirNumber.number = 0;
}

void SchemeGroup::saveAsFinished(bool saved)
{
    m_savingAs = false;
    const auto before = std::exchange(m_sheetsBeforeSaveAs, {});
    if (saved)
        return;
    // A directory drawn by the failed save goes unless something is in it;
    // the numbers drawn in a new folder may be those the group had.
    if ((m_drawsForSaveAs || m_dirNumber.number != m_numberBeforeSaveAs) && !directoryPath().isEmpty())
        QDir().rmdir(directoryPath());
    m_dirNumber.number = m_numberBeforeSaveAs;
    m_written = WrittenRecords();
    for (const auto &[scheme, state] : before) {
        if (items.contains(scheme))
            scheme->restoreFileState(state);
    }
}

void SchemeGroup::writeMembers(DataStream &stream) const
{
    for (const QString &member : m_members)
        stream << member;
}

void SchemeGroup::readMembers(DataStream &stream)
{
    // Groups before format 8 have no members of their own.
    if (stream.formatIndex() < 8)
        return;
    for (QString &member : m_members)
        stream >> member;
}

void SchemeGroup::writeItems(DataStream &stream)
{
    stream << qint32(m_atrNumber) << m_comment << qint32(m_dirNumber.number) << m_schemesName;
    writeMembers(stream);
    if (m_writtenStand && m_written.format == stream.formatIndex()) {
        stream.writeRawData(m_written.bytes.constData(), int(m_written.bytes.size()));
    } else {
        m_written = WrittenRecords();
        DataStream records(&m_written.bytes, QIODevice::WriteOnly);
        records.setFormatIndex(stream.formatIndex());
        ItemMenager<Scheme, DlgPropScheme>::writeItems(records);
        stream.writeRawData(m_written.bytes.constData(), int(m_written.bytes.size()));
        // Kept only for a save that prepared the sheets' files: their
        // directory is known.
        if (!m_preparedDirectory.isEmpty()) {
            m_written.sheets = items;
            m_written.directory = m_preparedDirectory;
            m_written.base = m_preparedBase;
            m_written.number = m_dirNumber.number;
            m_written.format = stream.formatIndex();
        }
    }
    // Each save decides anew.
    m_writtenStand = false;
    m_preparedDirectory.clear();
    m_preparedBase.clear();
}

void SchemeGroup::readItems(DataStream &stream)
{
    qint32 atr = 0;
    qint32 directory = 0;
    stream >> atr >> m_comment >> directory >> m_schemesName;
    m_dirNumber.number = directory;
    m_written = WrittenRecords();
    readMembers(stream);
    setAtrNumber(atr);
    ItemMenager<Scheme, DlgPropScheme>::readItems(stream);
}

void SchemeGroup::saveClipboard(DataStream &stream)
{
    // No directory: a pasted group gets its own at the next save.
    stream << qint32(m_atrNumber) << m_comment << m_schemesName;
    writeMembers(stream);
    ItemMenager<Scheme, DlgPropScheme>::saveClipboard(stream);
}

void SchemeGroup::loadClipboard(DataStream &stream)
{
    qint32 atr = 0;
    stream >> atr >> m_comment >> m_schemesName;
    readMembers(stream);
    setAtrNumber(atr);
    ItemMenager<Scheme, DlgPropScheme>::loadClipboard(stream);
}

const int *SchemeGroup::childActions(int &count)
{
    count = int(std::size(schemeGroupGroupChildActions));
    return schemeGroupGroupChildActions;
}

const char *SchemeGroup::mimeType() const
{
    return "r-lay/scheme";
}
