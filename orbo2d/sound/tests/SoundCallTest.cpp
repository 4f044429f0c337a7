// The sound objects' calls into the sound library, as a recording stand-in sees them: which
// calls touch a channel, and when.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "sound/CMusic.h"
#include "sound/CSample.h"
#include "sound/CStream.h"
#include "testing/RecordingFsound.h"

namespace {

using Calls = std::vector<std::string>;
namespace fake = recording_fsound;

class SoundCallTest : public ::testing::Test {
protected:
    void SetUp() override { fake::Reset(); }
    // The calls that `action` makes.
    Calls During(const std::function<void()>& action)
    {
        fake::Clear();
        action();
        return fake::Calls();
    }
};

TEST_F(SoundCallTest, MusicVolumeAlwaysReachesTheModuleAndPlayDoesNotReapplyIt)
{
    CMusic music("song.xm");
    EXPECT_EQ(During([&] { music.SetVolume(100); }), (Calls{"FMUSIC_SetMasterVolume(m1, 100)"}))
        << "set while nothing plays";
    EXPECT_EQ(During([&] { music.Play(); }), (Calls{"FMUSIC_PlaySong(m1)"}));
    EXPECT_EQ(During([&] { music.SetVolume(82); }), (Calls{"FMUSIC_SetMasterVolume(m1, 82)"}));
    EXPECT_EQ(During([&] { music.Stop(); }), (Calls{"FMUSIC_StopSong(m1)"}));
    EXPECT_EQ(During([&] { music.Play(); }), (Calls{"FMUSIC_PlaySong(m1)"})) << "again, still no volume";
}

// Samples and streams share their channel rules; only the calls that start and stop differ.
struct SChannelKind {
    const char* name;
    std::function<std::unique_ptr<ISoundObject>()> make;
    const char* play;  // the call of the first Play, which opens channel 1
    const char* stop;  // the call Stop makes while channel 1 plays
};

class ChannelCallTest : public SoundCallTest, public ::testing::WithParamInterface<SChannelKind> {};

TEST_P(ChannelCallTest, StopAndVolumeTouchTheChannelOnlyWhileItPlays)
{
    const SChannelKind& kind = GetParam();
    std::unique_ptr<ISoundObject> sound = kind.make();

    // Before the first Play the channel handle is 0: asked about, never changed.
    EXPECT_EQ(During([&] { sound->SetVolume(40); }), (Calls{"FSOUND_IsPlaying(0)"}));
    EXPECT_EQ(During([&] { sound->Stop(); }), (Calls{"FSOUND_IsPlaying(0)"}));
    // Play applies the stored volume to the new channel.
    EXPECT_EQ(During([&] { sound->Play(); }), (Calls{kind.play, "FSOUND_SetVolume(1, 40)"}));
    EXPECT_EQ(During([&] { sound->SetVolume(90); }), (Calls{"FSOUND_IsPlaying(1)", "FSOUND_SetVolume(1, 90)"}));
    EXPECT_EQ(During([&] { sound->Stop(); }), (Calls{"FSOUND_IsPlaying(1)", kind.stop}));
    // Stopped: the channel is only asked about.
    EXPECT_EQ(During([&] { sound->SetVolume(70); }), (Calls{"FSOUND_IsPlaying(1)"}));
    EXPECT_EQ(During([&] { sound->Stop(); }), (Calls{"FSOUND_IsPlaying(1)"}));
    EXPECT_EQ(sound->GetVolume(), 70);
    // A playback that ended by itself is left alone too.
    sound->Play();
    fake::PlayingChannels().erase(2);
    EXPECT_EQ(During([&] { sound->SetVolume(10); }), (Calls{"FSOUND_IsPlaying(2)"}));
    EXPECT_EQ(During([&] { sound->Stop(); }), (Calls{"FSOUND_IsPlaying(2)"}));
}

INSTANTIATE_TEST_SUITE_P(
    SoundObjects, ChannelCallTest,
    ::testing::Values(SChannelKind{"sample", [] { return std::make_unique<CSample>("a.wav"); },
                                   "FSOUND_PlaySound(-1, s1) = 1", "FSOUND_StopSound(1)"},
                      SChannelKind{"stream", [] { return std::make_unique<CStream>("a.ogg"); },
                                   "FSOUND_Stream_Play(-1, t1) = 1", "FSOUND_Stream_Stop(t1)"}),
    [](const ::testing::TestParamInfo<SChannelKind>& info) { return std::string(info.param.name); });

TEST_F(SoundCallTest, ASamplePlayedTwiceThenStoppedStopsOnlyTheSecondPlayback)
{
    CSample sample("a.wav");
    sample.Play();
    sample.Play();
    EXPECT_EQ(During([&] { sample.Stop(); }), (Calls{"FSOUND_IsPlaying(2)", "FSOUND_StopSound(2)"}));
    EXPECT_EQ(fake::PlayingChannels(), (std::set<int>{1})) << "the first playback runs on";
    EXPECT_FALSE(sample.IsPlaying());
    EXPECT_EQ(During([&] { sample.Stop(); }), (Calls{"FSOUND_IsPlaying(2)"})) << "and cannot be stopped through it";
}

}  // namespace
