#include "images.h"

#include "collection.h"
#include "error.h"

void ImageList::loadFromFile(const QString &path)
{
    // Everything is read and built before the list changes, so a failure leaves it as it was;
    // entries still held elsewhere (a sprite, a preview) outlive the swap.
    std::vector<ImagePtr> loaded;
    for (ImageRecord &r : readImageCollection(path))
        loaded.push_back(std::make_shared<const ImageEntry>(std::move(r.name), std::move(r.picture),
                                                            r.patternWidth, r.patternHeight,
                                                            r.transparent, r.colorKey));
    entries_.swap(loaded);
}

ImagePtr ImageList::tryFind(const QString &name) const
{
    for (const ImagePtr &e : entries_)
        if (e && e->name().compare(name, Qt::CaseInsensitive) == 0)
            return e;
    return nullptr;
}

ImagePtr ImageList::find(const QString &name) const
{
    if (ImagePtr e = tryFind(name))
        return e;
    throw Error(QStringLiteral("Image '%1' not found").arg(name));
}
