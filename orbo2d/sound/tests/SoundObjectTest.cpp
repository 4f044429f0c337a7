// The sound objects: stored volumes, overlapping playbacks, playing state, the three kinds.
#include "SoundFixture.h"

namespace {

class SoundObjectTest : public SoundFixture {};

TEST_F(SoundObjectTest, VolumeSetBeforePlayIsStoredUntilThePlay)
{
    CSample* s = system->LoadSample(wav);
    EXPECT_EQ(s->GetVolume(), 255);
    s->SetVolume(40);
    EXPECT_EQ(s->GetVolume(), 40);
    EXPECT_FALSE(s->IsPlaying());
    EXPECT_EQ(PeakOf(1000), 0) << "storing a volume plays nothing";
    s->Play();
    EXPECT_TRUE(s->IsPlaying());
    EXPECT_NEAR(PeakOf(2000), At(40), 2.0);
}

TEST_F(SoundObjectTest, VolumeReachesARunningPlaybackAtOnce)
{
    CSample* s = system->LoadSample(wav);
    s->Play();
    EXPECT_NEAR(PeakOf(1000), kFull, 2.0);
    s->SetVolume(100);
    EXPECT_NEAR(PeakOf(1000), At(100), 2.0);

    s->Stop();
    s->SetVolume(200);
    EXPECT_EQ(PeakOf(1000), 0) << "a stopped sample only keeps the value";
    s->Play();
    EXPECT_NEAR(PeakOf(1000), At(200), 2.0);
}

TEST_F(SoundObjectTest, SecondPlayOverlapsAndStopEndsOnlyIt)
{
    CSample* s = system->LoadSample(wav);
    s->Play();
    s->Play();
    EXPECT_NEAR(PeakOf(1000), 2 * kFull - 1, 2.0);
    s->Stop();
    EXPECT_FALSE(s->IsPlaying()) << "the object follows its latest playback";
    EXPECT_NEAR(PeakOf(1000), kFull, 2.0) << "the first playback runs on";
    s->Stop();
    EXPECT_NEAR(PeakOf(1000), kFull, 2.0) << "and cannot be reached through the object";
}

TEST_F(SoundObjectTest, IsPlayingFromPlayUntilTheEndOrStop)
{
    CSample* s = system->LoadSample(shortWav);  // 3000 frames
    EXPECT_FALSE(s->IsPlaying()) << "no playback before the first Play";
    s->Play();
    Render(2999);
    EXPECT_TRUE(s->IsPlaying());
    Render(2);
    EXPECT_FALSE(s->IsPlaying());

    s->Play();
    EXPECT_TRUE(s->IsPlaying());
    s->Stop();
    EXPECT_FALSE(s->IsPlaying());
}

TEST_F(SoundObjectTest, ContinuousSoundByReplayingWhenItEnds)
{
    // The game keeps its wind going this way: Play in every frame in which it is not playing.
    CSample* wind = system->LoadSample(shortWav);
    wind->SetVolume(80);
    int plays = 0;
    for (int frame = 0; frame < 100; ++frame) {
        if (!wind->IsPlaying()) {
            wind->Play();
            ++plays;
        }
        EXPECT_NEAR(PeakOf(441), At(80), 2.0) << "frame " << frame;
    }
    EXPECT_EQ(plays, 15) << "3000 frames last 6.8 frames of 441; the replay starts at the next";
}

TEST_F(SoundObjectTest, StreamFollowsTheSameVolumeRules)
{
    CStream* st = system->CreateStream(wav);
    EXPECT_EQ(st->GetType(), SOUND_STREAM);
    st->SetVolume(40);
    EXPECT_FALSE(st->IsPlaying());
    st->Play();
    EXPECT_TRUE(st->IsPlaying());
    EXPECT_NEAR(PeakOf(2000), At(40), 2.0);
    st->SetVolume(255);
    EXPECT_NEAR(PeakOf(2000), kFull, 2.0);
    st->Stop();
    EXPECT_FALSE(st->IsPlaying());
    EXPECT_EQ(PeakOf(1000), 0);
    Render(44100);
    EXPECT_FALSE(st->IsPlaying());
}

TEST_F(SoundObjectTest, MusicVolumeAlwaysReachesTheModule)
{
    CMusic* loud = system->LoadMusic(module);
    loud->Play();
    const auto reference = Render(10000);
    loud->Stop();
    EXPECT_FALSE(loud->IsPlaying());

    CMusic* quiet = system->LoadMusic(module);
    EXPECT_EQ(quiet->GetType(), SOUND_MUSIC);
    quiet->SetVolume(128);  // not playing yet: still handed to the module
    EXPECT_EQ(quiet->GetVolume(), 128);
    quiet->Play();
    EXPECT_TRUE(quiet->IsPlaying());
    const auto out = Render(10000);
    for (size_t i = 0; i < out.size(); i += 101)
        ASSERT_EQ(out[i], reference[i] >> 1) << i;
}

TEST_F(SoundObjectTest, ObjectsOfFilesThatFailedToLoadAreHarmless)
{
    soundtest::WriteCorruptWav(dir.File("bad.wav"));
    std::vector<ISoundObject*> broken = {system->LoadSample(dir.File("missing.wav")),
                                         system->LoadSample(dir.File("bad.wav")),
                                         system->CreateStream(dir.File("missing.ogg")),
                                         system->LoadMusic(dir.File("bad.wav"))};
    for (ISoundObject* o : broken) {
        o->SetVolume(40);
        o->Play();
        EXPECT_FALSE(o->IsPlaying());
        o->Stop();
        EXPECT_EQ(o->GetVolume(), 40);
    }
    EXPECT_EQ(PeakOf(1000), 0);
    EXPECT_EQ(system->GetObjects().size(), 4u);
}

}  // namespace
