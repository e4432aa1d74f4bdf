// The entry of the sound module (see platform/ui/moduler.h).
#include "platform/ui/ljudmodul/qtmedia.h"
#include "platform/ui/moduler.h"

namespace {
class Qtljud final : public plattform::Ljudmodul {
public:
    plattform::Mediaspelare *nySpelare(QObject *aegare) override
    {
        return new plattform::QtMediaspelare(aegare);
    }
};
} // namespace

extern "C" Q_DECL_EXPORT plattform::Ljudmodul *morvika_ljudmodul()
{
    static Qtljud modul;
    return &modul;
}
