// The texture cache on real image files: lookup, uploads, conversions, freeing and binding.
#include <gtest/gtest.h>

#include <filesystem>

#include "GfxTestSupport.h"
#include "ImageFixtures.h"
#include "gfx/CTextureHandler.h"

namespace {

SPixel UploadedPixel(const RecordingGL::Upload& upload, int x, int y)
{
    const int components = upload.format == GL_RGBA ? 4 : 3;
    const int rowBytes = (upload.width * components + 3) & ~3;
    const unsigned char* p = upload.pixels.data() + y * rowBytes + x * components;
    return SPixel{p[0], p[1], p[2], components == 4 ? p[3] : static_cast<std::uint8_t>(255)};
}

class CTextureCache : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(WriteFixture(dir.Path("a.png"), EFixtureKind::PngRgb));
        ASSERT_TRUE(WriteFixture(dir.Path("b.png"), EFixtureKind::PngRgba));
        r.gl.ClearRecords();
    }

    CTempDir dir;
    SRecordedGfx r;
};

TEST_F(CTextureCache, SamePathTwiceIsOneRecordAndOneUpload)
{
    STexture* first = r.gfx.GetTexture(dir.Path("a.png"));
    STexture* second = r.gfx.GetTexture(dir.Path("a.png"));
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first, second);
    EXPECT_EQ(r.gfx.GetTextureCount(), 1);
    EXPECT_EQ(r.gl.uploads.size(), 1u);
    EXPECT_EQ(first->name, dir.Path("a.png"));
    EXPECT_EQ(first->width, 3);
    EXPECT_EQ(first->height, 2);
}

TEST_F(CTextureCache, PathsAreComparedByteForByte)
{
    std::filesystem::copy_file(dir.Path("a.png"), dir.Path("A.png"));
    const std::string paths[] = {dir.Path("a.png"), dir.Path("A.png"), dir.Path("./a.png"), dir.Path("/a.png")};
    std::vector<STexture*> textures;
    for (const std::string& path : paths) {
        textures.push_back(r.gfx.GetTexture(path));
        ASSERT_NE(textures.back(), nullptr) << path;
    }
    EXPECT_EQ(r.gfx.GetTextureCount(), 4);
    for (std::size_t i = 0; i < textures.size(); ++i) {
        for (std::size_t j = i + 1; j < textures.size(); ++j) {
            EXPECT_NE(textures[i], textures[j]);
            EXPECT_NE(textures[i]->id, textures[j]->id);
        }
    }
}

TEST_F(CTextureCache, MissingOrUnreadableFileGivesNullAndChangesNothing)
{
    std::FILE* junk = std::fopen(dir.Path("junk.png").c_str(), "wb");
    std::fputs("not an image", junk);
    std::fclose(junk);
    for (const std::string& path : {dir.Path("missing.png"), dir.Path("junk.png"), std::string()}) {
        EXPECT_EQ(r.gfx.GetTexture(path), nullptr) << path;
    }
    EXPECT_EQ(r.gfx.GetTextureCount(), 0);
    EXPECT_TRUE(r.gl.calls.empty());
}

TEST_F(CTextureCache, UploadUsesModulateLinearFiltersAndDefaultWrap)
{
    STexture* texture = r.gfx.GetTexture(dir.Path("a.png"));
    ASSERT_NE(texture, nullptr);
    const std::vector<std::string> expected = {
        "GenTexture() = 1",
        "BindTexture(1)",
        "TexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE)",
        "TexImage2D(GL_TEXTURE_2D, 0, 3, 3, 2, 0, GL_RGB, GL_UNSIGNED_BYTE)",
        "TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR)",
        "TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR)",
    };
    EXPECT_EQ(r.gl.calls, expected);
}

class CTextureFormats : public ::testing::TestWithParam<SFixture> {};

TEST_P(CTextureFormats, EveryLayoutUploadsTheRightColours)
{
    const SFixture& fixture = GetParam();
    CTempDir dir;
    const std::string path = dir.Path(std::string(fixture.label) + (fixture.kind >= EFixtureKind::Bmp24 ? ".bmp" : ".png"));
    ASSERT_TRUE(WriteFixture(path, fixture.kind));
    SRecordedGfx r;
    STexture* texture = r.gfx.GetTexture(path);
    ASSERT_NE(texture, nullptr);
    EXPECT_EQ(texture->components, fixture.components);
    ASSERT_EQ(r.gl.uploads.size(), 1u);
    const RecordingGL::Upload& upload = r.gl.uploads[0];
    EXPECT_EQ(upload.internalFormat, fixture.components);
    EXPECT_EQ(upload.format, fixture.components == 4 ? static_cast<GLenum>(GL_RGBA) : static_cast<GLenum>(GL_RGB));
    EXPECT_EQ(upload.width, 3);
    EXPECT_EQ(upload.height, 2);
    EXPECT_EQ(upload.texture, texture->id);
    const std::vector<SPixel> expected = FixturePixels(fixture.kind);
    for (int i = 0; i < 6; ++i) {
        SPixel want = expected[static_cast<std::size_t>(i)];
        if (fixture.components == 3) {
            want.a = 255;
        }
        EXPECT_EQ(UploadedPixel(upload, i % 3, i / 3), want) << "pixel " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Files, CTextureFormats, ::testing::ValuesIn(AllFixtures()),
                         [](const ::testing::TestParamInfo<SFixture>& info) { return std::string(info.param.label); });

TEST_F(CTextureCache, FreeEndsTheRecordForEveryHolder)
{
    STexture* texture = r.gfx.GetTexture(dir.Path("a.png"));
    STexture* other = r.gfx.GetTexture(dir.Path("b.png"));
    ASSERT_NE(texture, nullptr);
    const unsigned int id = texture->id;
    STexture* secondHolder = texture;
    r.gfx.FreeTexture(texture);
    EXPECT_EQ(texture, nullptr);
    EXPECT_EQ(r.gfx.GetTextureCount(), 1);
    EXPECT_EQ(r.gl.deletedTextures, std::vector<GLuint>{id});
    // The second holder's pointer is stale: the path now loads a fresh record.
    (void)secondHolder;
    STexture* again = r.gfx.GetTexture(dir.Path("a.png"));
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(r.gfx.GetTextureCount(), 2);
    EXPECT_EQ(r.gfx.GetTexture(dir.Path("b.png")), other);
}

TEST_F(CTextureCache, FreeOfUnknownOrNullTextureDoesNothing)
{
    STexture* held = r.gfx.GetTexture(dir.Path("a.png"));
    ASSERT_NE(held, nullptr);
    auto stranger = MakeTexture(99);
    STexture* strangerPointer = stranger.get();
    r.gfx.FreeTexture(strangerPointer);
    EXPECT_EQ(strangerPointer, stranger.get());
    STexture* none = nullptr;
    r.gfx.FreeTexture(none);
    EXPECT_EQ(r.gfx.GetTextureCount(), 1);
    EXPECT_TRUE(r.gl.deletedTextures.empty());
}

TEST_F(CTextureCache, FreeOfACopyFreesTheCachedRecordOnly)
{
    STexture* held = r.gfx.GetTexture(dir.Path("a.png"));
    ASSERT_NE(held, nullptr);
    STexture copy = *held;  // same name, memory the cache does not own
    STexture* copyPointer = &copy;
    r.gfx.FreeTexture(copyPointer);
    EXPECT_EQ(copyPointer, nullptr);
    EXPECT_EQ(r.gfx.GetTextureCount(), 0);
    EXPECT_EQ(r.gl.deletedTextures, std::vector<GLuint>{copy.id});
}

TEST_F(CTextureCache, DestroyingTheRendererDeletesEveryTexture)
{
    RecordingGL gl;
    {
        CGFX gfx(800, 600, 32, false, gl);
        ASSERT_NE(gfx.GetTexture(dir.Path("a.png")), nullptr);
        ASSERT_NE(gfx.GetTexture(dir.Path("b.png")), nullptr);
    }
    EXPECT_EQ(gl.deletedTextures, (std::vector<GLuint>{1, 2}));
}

TEST_F(CTextureCache, FreeAllTexturesEmptiesTheCache)
{
    CTextureHandler cache(r.gl);
    ASSERT_NE(cache.GetTexture(dir.Path("a.png")), nullptr);
    ASSERT_NE(cache.GetTexture(dir.Path("b.png")), nullptr);
    cache.FreeAllTextures();
    EXPECT_EQ(cache.GetTextureCount(), 0);
    EXPECT_EQ(r.gl.deletedTextures.size(), 2u);
    EXPECT_NE(cache.GetTexture(dir.Path("a.png")), nullptr);
    EXPECT_EQ(cache.GetTextureCount(), 1);
}

// Binding bookkeeping: the renderer must know what the cache left bound.
TEST_F(CTextureCache, NewUploadLeavesItsTextureBoundForTheNextQuad)
{
    STexture* texture = r.gfx.GetTexture(dir.Path("a.png"));
    ASSERT_NE(texture, nullptr);
    r.gl.ClearRecords();
    SQuad quad = MakeQuad(0, 0);
    r.gfx.BeginScene(SColor(0, 0, 0, 1), true);
    r.gfx.RenderTextureQuad(texture, quad, 1);
    r.gfx.EndScene();
    EXPECT_TRUE(r.gl.binds.empty());
    ASSERT_EQ(r.gl.DrawCount(), 1);
    EXPECT_EQ(r.gl.draws[0].texture, texture->id);
}

TEST_F(CTextureCache, CacheHitLeavesTheBindingRecordUnchanged)
{
    STexture* a = r.gfx.GetTexture(dir.Path("a.png"));
    STexture* b = r.gfx.GetTexture(dir.Path("b.png"));  // leaves b bound
    ASSERT_NE(a, nullptr);
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(r.gfx.GetTexture(dir.Path("a.png")), a);
    EXPECT_EQ(r.gfx.GetTexture(dir.Path("missing.png")), nullptr);
    r.gl.ClearRecords();
    SQuad quad = MakeQuad(0, 0);
    r.gfx.BeginScene(SColor(0, 0, 0, 1), true);
    r.gfx.RenderTextureQuad(b, quad, 1);
    r.gfx.RenderTextureQuad(a, quad, 1);
    r.gfx.EndScene();
    EXPECT_EQ(r.gl.binds, std::vector<GLuint>{a->id}) << "b was still bound, a needed a bind";
    ASSERT_EQ(r.gl.DrawCount(), 2);
    EXPECT_EQ(r.gl.draws[0].texture, b->id);
    EXPECT_EQ(r.gl.draws[1].texture, a->id);
}

TEST_F(CTextureCache, FreeingTheBoundTextureForgetsTheBinding)
{
    // OpenGL falls back to texture 0 when the bound texture is deleted and may hand the
    // same name out again; the renderer must bind it again then.
    STexture* a = r.gfx.GetTexture(dir.Path("a.png"));
    ASSERT_NE(a, nullptr);
    auto sameName = MakeTexture(a->id);
    r.gfx.FreeTexture(a);
    r.gl.ClearRecords();
    SQuad quad = MakeQuad(0, 0);
    r.gfx.BeginScene(SColor(0, 0, 0, 1), true);
    r.gfx.RenderTextureQuad(sameName.get(), quad, 1);
    r.gfx.EndScene();
    EXPECT_EQ(r.gl.binds, std::vector<GLuint>{sameName->id});
    ASSERT_EQ(r.gl.DrawCount(), 1);
    EXPECT_EQ(r.gl.draws[0].texture, sameName->id);
}

}  // namespace
