// The image and font handlers: creation order, counts and freeing, for both kinds alike.
#include <gtest/gtest.h>

#include "GfxTestSupport.h"
#include "gfx/CFontHandler.h"
#include "gfx/CImageHandler.h"

namespace {

struct SImages {
    using Handler = CImageHandler;
    using Object = CImage;
    static Object* Create(Handler& h, STexture* t) { return h.CreateImage(t); }
    static void Free(Handler& h, Object* o) { h.FreeImage(o); }
    static void FreeAll(Handler& h) { h.FreeAllImages(); }
    static int Count(Handler& h) { return h.GetImageCount(); }
};

struct SFonts {
    using Handler = CFontHandler;
    using Object = CFont;
    static Object* Create(Handler& h, STexture* t) { return h.CreateFont(t); }
    static void Free(Handler& h, Object* o) { h.FreeFont(o); }
    static void FreeAll(Handler& h) { h.FreeAllFonts(); }
    static int Count(Handler& h) { return h.GetFontCount(); }
};

template <typename Kind>
class Handlers : public ::testing::Test {
protected:
    SRecordedGfx r;
    std::unique_ptr<STexture> texture = MakeTexture(1, 128, 128);
    typename Kind::Handler handler{&r.gfx};
};

using Kinds = ::testing::Types<SImages, SFonts>;
TYPED_TEST_SUITE(Handlers, Kinds);

TYPED_TEST(Handlers, FreeAllDestroysEveryObject)
{
    for (int i = 0; i < 5; ++i) {
        ASSERT_NE(TypeParam::Create(this->handler, this->texture.get()), nullptr);
    }
    EXPECT_EQ(TypeParam::Count(this->handler), 5);
    TypeParam::FreeAll(this->handler);
    EXPECT_EQ(TypeParam::Count(this->handler), 0);
    // The handler is usable again afterwards (and the sanitizer run sees no leak or double free).
    TypeParam::Create(this->handler, this->texture.get());
    EXPECT_EQ(TypeParam::Count(this->handler), 1);
}

TYPED_TEST(Handlers, FreeingTwiceOrAForeignPointerDoesNothing)
{
    auto* first = TypeParam::Create(this->handler, this->texture.get());
    auto* second = TypeParam::Create(this->handler, this->texture.get());
    EXPECT_NE(first, second);
    TypeParam::Free(this->handler, first);
    EXPECT_EQ(TypeParam::Count(this->handler), 1);
    TypeParam::Free(this->handler, first);
    TypeParam::Free(this->handler, nullptr);
    typename TypeParam::Handler other(&this->r.gfx);
    auto* foreign = TypeParam::Create(other, this->texture.get());
    TypeParam::Free(this->handler, foreign);
    EXPECT_EQ(TypeParam::Count(this->handler), 1);
    EXPECT_EQ(TypeParam::Count(other), 1);
}

TEST(ImageHandler, CreatedImageCoversTheWholeTexture)
{
    SRecordedGfx r;
    auto texture = MakeTexture(1, 40, 30);
    CImageHandler handler(&r.gfx);
    CImage* image = handler.CreateImage(texture.get());
    EXPECT_EQ(image->GetTexture(), texture.get());
    EXPECT_FLOAT_EQ(image->GetWidth(), 40);
    EXPECT_FLOAT_EQ(image->GetHeight(), 30);
}

}  // namespace
