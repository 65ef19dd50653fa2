#include "platform/drives.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "platform/linux_drives.h"
#include "platform/volume_label.h"
#include "support/temp_folder.h"

namespace morvane {
namespace {

FixedDrives MachineDrives() {
    return FixedDrives({
        {{"/", "ext4", "/dev/sda1"}, "ROOT"},
        {{"/home", "ext4", "/dev/sda2"}, std::nullopt},
        {{"/media/cdrom", "iso9660", "/dev/sr0"}, "LIGHTHOUSE_1"},
        {{"/media/dvd", "udf", "/dev/sr1"}, "Keeper DVD"},
        {{"/mnt/share", "nfs4", "server:/games"}, std::nullopt},
        {{"/run/user/0", "tmpfs", "tmpfs"}, std::nullopt},
    });
}

TEST(DrivesTest, TheDriveOfAPathIsTheDeepestMountHoldingIt) {
    const FixedDrives drives = MachineDrives();
    struct Case {
        std::string path;
        std::string mount_point;
    };
    const Case cases[] = {
        {"/media/cdrom/Game/resource", "/media/cdrom"},
        {"/media/cdrom", "/media/cdrom"},
        {"/media/cdrom/", "/media/cdrom"},
        // A mount point is a whole folder name, not a prefix of one.
        {"/media/cdrom2/Game", "/"},
        {"/home/author/game", "/home"},
        {"/home/../media/dvd/x", "/media/dvd"},
        {"/usr/games", "/"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        const auto mount = MountHolding(drives, c.path);
        ASSERT_TRUE(mount.has_value());
        EXPECT_EQ(mount->mount_point, c.mount_point);
    }
    EXPECT_FALSE(MountHolding(drives, "relative/game").has_value());
    EXPECT_FALSE(MountHolding(drives, "").has_value());
}

TEST(DrivesTest, ALaterMountOnTheSamePointHidesTheEarlierOne) {
    const FixedDrives drives({
        {{"/media/cdrom", "ext4", "/dev/sdb1"}, "STICK"},
        {{"/media/cdrom", "iso9660", "/dev/sr0"}, "DISC"},
    });
    EXPECT_EQ(TypeOfDrive(drives, "/media/cdrom/game"), drive_type::kCdRom);
    EXPECT_EQ(VolumeLabelOf(drives, "/media/cdrom/game"), "DISC");
}

TEST(DrivesTest, DriveTypesComeFromTheFileSystem) {
    const FixedDrives drives = MachineDrives();
    struct Case {
        std::string path;
        Integer type;
    };
    const Case cases[] = {
        {"/media/cdrom/game", drive_type::kCdRom},
        {"  /media/dvd/game  ", drive_type::kCdRom},
        {"/home/game", drive_type::kFixed},
        {"/mnt/share/game", drive_type::kRemote},
        {"/run/user/0/game", drive_type::kRamDisk},
        {"", drive_type::kUnknown},
        {"   ", drive_type::kUnknown},
        {"game", drive_type::kNoRootFolder},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(TypeOfDrive(drives, c.path), c.type);
    }
    EXPECT_EQ(TypeOfDrive(FixedDrives(), "/anything"), drive_type::kNoRootFolder);
}

TEST(DrivesTest, LabelsAreReadFromTheDriveHoldingThePath) {
    const FixedDrives drives = MachineDrives();
    EXPECT_EQ(VolumeLabelOf(drives, "/media/cdrom/Game"), "LIGHTHOUSE_1");
    EXPECT_EQ(VolumeLabelOf(drives, "/media/dvd"), "Keeper DVD");
    EXPECT_EQ(VolumeLabelOf(drives, "/home/game"), "");
    EXPECT_EQ(VolumeLabelOf(drives, "relative"), "");
}

TEST(DrivesTest, ItemExistIgnoresATrailingSeparatorAndNeverFails) {
    testing::TempFolder folder;
    folder.Write("game/resource/Morvane1.dat", "x");
    const std::string game = (folder.Path() / "game").string();
    EXPECT_TRUE(ItemExist(game));
    EXPECT_TRUE(ItemExist(game + "/"));
    EXPECT_TRUE(ItemExist(" " + game + "/resource/Morvane1.dat "));
    EXPECT_FALSE(ItemExist(game + "/resource/Morvane9.dat"));
    EXPECT_FALSE(ItemExist(""));
    EXPECT_FALSE(ItemExist(std::string("/tmp/\0x", 7)));
}

TEST(MountInfoTest, ParsesTheTableWithItsEscapesAndOptionalFields) {
    const std::string table =
        "22 1 8:1 / / rw,relatime shared:1 - ext4 /dev/sda1 rw\n"
        "35 22 11:0 / /media/My\\040Game\\040CD ro,relatime shared:20 master:3 - iso9660 "
        "/dev/sr0 ro,norock\n"
        "36 22 0:50 / /mnt/dvd ro - udf /dev/sr1 ro\n"
        "broken line\n"
        "40 22 0:51 / /x rw no-dash-here\n";
    const std::vector<MountEntry> mounts = ParseMountInfo(table);
    ASSERT_EQ(mounts.size(), 3u);
    EXPECT_EQ(mounts[0].mount_point, "/");
    EXPECT_EQ(mounts[0].fs_type, "ext4");
    EXPECT_EQ(mounts[1].mount_point, "/media/My Game CD");
    EXPECT_EQ(mounts[1].fs_type, "iso9660");
    EXPECT_EQ(mounts[1].source, "/dev/sr0");
    EXPECT_EQ(mounts[2].fs_type, "udf");
}

TEST(MountInfoTest, ThisProcessHasARootMount) {
    const LinuxDrives drives;
    const auto root = MountHolding(drives, "/");
    ASSERT_TRUE(root.has_value());
    EXPECT_EQ(root->mount_point, "/");
}

// --- Volume labels of disc images the tests write ------------------------------------------

constexpr std::size_t kSector = 2048;

class DiscImage {
  public:
    explicit DiscImage(std::size_t sectors) : bytes_(sectors * kSector, 0) {}

    unsigned char* Sector(std::size_t n) { return bytes_.data() + n * kSector; }

    // An ISO 9660 volume descriptor: type, "CD001", version 1.
    unsigned char* Descriptor(std::size_t n, unsigned char type) {
        unsigned char* s = Sector(n);
        s[0] = type;
        std::copy_n("CD001", 5, s + 1);
        s[6] = 1;
        return s;
    }

    void PrimaryLabel(std::size_t n, const std::string& label) {
        unsigned char* s = Descriptor(n, 1);
        std::fill_n(s + 40, 32, ' ');
        std::copy(label.begin(), label.end(), s + 40);
    }

    void JolietLabel(std::size_t n, const std::u16string& label) {
        unsigned char* s = Descriptor(n, 2);
        std::copy_n("%/E", 3, s + 88);
        for (std::size_t i = 0; i < 16; ++i) {
            const char16_t c = i < label.size() ? label[i] : u' ';
            s[40 + 2 * i] = static_cast<unsigned char>(c >> 8);
            s[41 + 2 * i] = static_cast<unsigned char>(c & 0xFF);
        }
    }

    // A UDF descriptor tag with its checksum.
    void Tag(std::size_t n, std::uint16_t identifier) {
        unsigned char* s = Sector(n);
        s[0] = static_cast<unsigned char>(identifier & 0xFF);
        s[1] = static_cast<unsigned char>(identifier >> 8);
        unsigned sum = 0;
        for (std::size_t i = 0; i < 16; ++i) {
            if (i != 4) {
                sum += s[i];
            }
        }
        s[4] = static_cast<unsigned char>(sum & 0xFF);
    }

    static void Le32(unsigned char* at, std::uint32_t value) {
        for (int i = 0; i < 4; ++i) {
            at[i] = static_cast<unsigned char>(value >> (8 * i));
        }
    }

    // The anchor at 256 pointing at a sequence of `length` sectors from `first`, whose second
    // descriptor is the logical volume descriptor with an 8-bit dstring label.
    void UdfLabel(std::uint32_t first, const std::string& label) {
        Le32(Sector(256) + 16, 4 * kSector);
        Le32(Sector(256) + 20, first);
        Tag(256, 2);
        Tag(first, 1);  // a primary volume descriptor comes first
        unsigned char* lvd = Sector(first + 1);
        lvd[84] = 8;
        std::copy(label.begin(), label.end(), lvd + 85);
        lvd[84 + 127] = static_cast<unsigned char>(label.size() + 1);
        Tag(first + 1, 6);
        Tag(first + 2, 8);
    }

    std::filesystem::path Write(const testing::TempFolder& folder, const std::string& name) {
        return folder.Write(name, std::string(bytes_.begin(), bytes_.end()));
    }

    // The label read from the image's bytes.
    std::optional<std::string> Label() const {
        std::istringstream in(std::string(bytes_.begin(), bytes_.end()));
        return ReadVolumeLabel(in);
    }

  private:
    std::vector<unsigned char> bytes_;
};

TEST(VolumeLabelTest, ReadsTheLabelOfAnIso9660ImageItWrote) {
    testing::TempFolder folder;
    DiscImage image(20);
    image.PrimaryLabel(16, "LIGHTHOUSE_CD2");
    image.Descriptor(17, 255);
    const auto file = image.Write(folder, "disc.iso");
    EXPECT_EQ(ReadVolumeLabel(file), std::optional<std::string>("LIGHTHOUSE_CD2"));
}

TEST(VolumeLabelTest, JolietAndUdfLabelsComeBeforeThePrimaryOne) {
    DiscImage joliet(20);
    joliet.PrimaryLabel(16, "KEEPER");
    joliet.JolietLabel(17, u"Keeper Caf\u00e9");
    joliet.Descriptor(18, 255);
    EXPECT_EQ(joliet.Label(), std::optional<std::string>("Keeper Caf\xe9"));

    DiscImage bridge(300);
    bridge.PrimaryLabel(16, "KEEPER");
    bridge.Descriptor(17, 255);
    bridge.UdfLabel(270, "Keeper Disc 1");
    EXPECT_EQ(bridge.Label(), std::optional<std::string>("Keeper Disc 1"));
}

TEST(VolumeLabelTest, DataWithoutADiscFileSystemHasNoLabel) {
    DiscImage blank(300);
    EXPECT_EQ(blank.Label(), std::nullopt);
    // An anchor whose checksum is wrong is not UDF.
    DiscImage damaged(300);
    damaged.PrimaryLabel(16, "KEEPER");
    damaged.Descriptor(17, 255);
    damaged.UdfLabel(270, "Keeper Disc 1");
    damaged.Sector(256)[4] ^= 0x55;
    EXPECT_EQ(damaged.Label(), std::optional<std::string>("KEEPER"));
    std::istringstream short_in("CD001");
    EXPECT_EQ(ReadVolumeLabel(short_in), std::nullopt);
    EXPECT_EQ(ReadVolumeLabel(testing::TempFolder().Path() / "missing.iso"), std::nullopt);
}

}  // namespace
}  // namespace morvane
