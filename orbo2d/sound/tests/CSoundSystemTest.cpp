// The sound system's list: creation, freeing by kind, freeing everything.
#include "SoundFixture.h"

namespace {

class CSoundSystemTest : public SoundFixture {};

TEST_F(CSoundSystemTest, ObjectsAreListedInCreationOrderWithTheirKinds)
{
    CSample* s = system->LoadSample(wav);
    CStream* st = system->CreateStream(wav);
    CMusic* m = system->LoadMusic(module);
    const std::vector<ISoundObject*> expected = {s, st, m};
    EXPECT_EQ(system->GetObjects(), expected);
    EXPECT_EQ(s->GetType(), SOUND_SAMPLE);
    EXPECT_EQ(st->GetType(), SOUND_STREAM);
    EXPECT_EQ(m->GetType(), SOUND_MUSIC);
    for (ISoundObject* o : expected)
        EXPECT_EQ(o->GetVolume(), 255);
}

TEST_F(CSoundSystemTest, SameFileTwiceGivesIndependentObjects)
{
    CSample* a = system->LoadSample(wav);
    CSample* b = system->LoadSample(wav);
    ASSERT_NE(a, b);
    a->SetVolume(40);
    EXPECT_EQ(b->GetVolume(), 255);
    system->FreeSample(a);
    EXPECT_EQ(system->GetObjects(), std::vector<ISoundObject*>{b});
    b->Play();
    EXPECT_TRUE(b->IsPlaying());
    EXPECT_NEAR(PeakOf(1000), kFull, 2.0);
}

TEST_F(CSoundSystemTest, FreeAllDestroysEveryObjectAndSilencesThem)
{
    std::vector<ISoundObject*> made = {system->LoadSample(wav), system->LoadSample(shortWav),
                                       system->CreateStream(wav), system->LoadMusic(module),
                                       system->LoadMusic(module)};
    for (ISoundObject* o : made)
        o->Play();
    EXPECT_GT(PeakOf(1000), 0);
    ASSERT_EQ(system->GetObjects().size(), 5u);
    system->FreeAll();
    EXPECT_TRUE(system->GetObjects().empty());
    // Releasing the library handles ends what they played (the sanitizer build checks
    // that nothing is left behind or touched afterwards).
    EXPECT_EQ(PeakOf(4410), 0);
    system->FreeAll();
    EXPECT_TRUE(system->GetObjects().empty());
}

TEST_F(CSoundSystemTest, FreeingWithTheWrongKindOrAnUnknownPointerDoesNothing)
{
    CSample* s = system->LoadSample(wav);
    CStream* st = system->CreateStream(wav);
    CMusic* m = system->LoadMusic(module);
    const std::vector<ISoundObject*> all = {s, st, m};

    // The casts stand for callers that hand an object to the wrong free call.
    system->FreeSample(reinterpret_cast<CSample*>(st));
    system->FreeSample(reinterpret_cast<CSample*>(m));
    system->FreeStream(reinterpret_cast<CStream*>(s));
    system->FreeStream(reinterpret_cast<CStream*>(m));
    system->FreeMusic(reinterpret_cast<CMusic*>(s));
    system->FreeMusic(reinterpret_cast<CMusic*>(st));
    system->FreeSample(nullptr);
    CSample outsider(wav);  // made by hand, never listed
    system->FreeSample(&outsider);
    EXPECT_EQ(system->GetObjects(), all);

    st->Play();
    EXPECT_TRUE(st->IsPlaying()) << "the stream handed to FreeSample is alive";
    EXPECT_NEAR(PeakOf(1000), kFull, 2.0);

    system->FreeStream(st);
    system->FreeMusic(m);
    EXPECT_EQ(system->GetObjects(), std::vector<ISoundObject*>{s});
}

}  // namespace
