#pragma once

#include <QObject>
#include <QString>
#include <QVariant>

namespace kelmar {

// A control array: several controls of one object name told apart by the
// integer dynamic property "Index".
class ControlArray {
public:
    static constexpr const char* IndexProperty = "Index";

    // Names `member` as element `index` of the array `name`.
    static void tag(QObject* member, const QString& name, int index)
    {
        member->setObjectName(name);
        member->setProperty(IndexProperty, index);
    }

    static int indexOf(const QObject* member) { return member->property(IndexProperty).toInt(); }

    // The member `name`(`index`) under `root`, or nullptr.
    template <typename T = QObject>
    static T* member(const QObject* root, const QString& name, int index)
    {
        for (T* candidate : root->findChildren<T*>(name)) {
            const QVariant i = candidate->property(IndexProperty);
            if (i.isValid() && i.toInt() == index)
                return candidate;
        }
        return nullptr;
    }
};

} // namespace kelmar
