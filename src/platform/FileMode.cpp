#include "FileMode.h"

#include <sys/stat.h>
#include <utility>

namespace FileMode {
namespace {

constexpr std::pair<mode_t, QFileDevice::Permission> kBits[] = {
    {S_IRUSR, QFileDevice::ReadOwner},  {S_IWUSR, QFileDevice::WriteOwner},
    {S_IXUSR, QFileDevice::ExeOwner},   {S_IRGRP, QFileDevice::ReadGroup},
    {S_IWGRP, QFileDevice::WriteGroup}, {S_IXGRP, QFileDevice::ExeGroup},
    {S_IROTH, QFileDevice::ReadOther},  {S_IWOTH, QFileDevice::WriteOther},
    {S_IXOTH, QFileDevice::ExeOther},
};

} // namespace

QFileDevice::Permissions Permissions(mode_t mode)
{
    QFileDevice::Permissions permissions;
    for (const auto& [bit, permission] : kBits)
        permissions.setFlag(permission, (mode & bit) != 0);
    return permissions;
}

mode_t Mode(QFileDevice::Permissions permissions)
{
    mode_t mode = 0;
    for (const auto& [bit, permission] : kBits)
        if (permissions.testFlag(permission))
            mode |= bit;
    return mode;
}

} // namespace FileMode
