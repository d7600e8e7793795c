// The COM plumbing against real objects of the system: a dictionary object
// created by its ProgID answers late-bound calls and raises errors with a
// description; "Word.Application" itself is not installed here.
#include <gtest/gtest.h>
#include <objbase.h>

#include "TestHost.h"
#include "vanecore/vanecore.h"
#include "word/WordError.h"
#include "word/com/ComBackend.h"
#include "word/com/Dispatch.h"

namespace vane::word {
namespace {

class ComRealObject : public ::testing::Test {
protected:
    void SetUp() override { CoInitialize(nullptr); }
    void TearDown() override { CoUninitialize(); }

    static Dispatch create(const wchar_t* progId) {
        CLSID clsid{};
        if (FAILED(CLSIDFromProgID(progId, &clsid))) return {};
        IDispatch* object = nullptr;
        if (FAILED(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch,
                                    reinterpret_cast<void**>(&object)))) {
            return {};
        }
        Dispatch result(object);
        object->Release();
        return result;
    }

    static DISPID id_of(const Dispatch& object, const wchar_t* name) {
        DISPID id = DISPID_UNKNOWN;
        LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
        object.object()->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
        return id;
    }
};

TEST_F(ComRealObject, LateBoundCallsOnADictionary) {
    const Dispatch dictionary = create(L"Scripting.Dictionary");
    ASSERT_TRUE(dictionary) << "Scripting.Dictionary is not available";
    const DISPID add = id_of(dictionary, L"Add");
    const DISPID count = id_of(dictionary, L"Count");
    const DISPID item = id_of(dictionary, L"Item");

    dictionary.call(add, {ComVariant::text("Title"), ComVariant::text("Annual report")});
    dictionary.call(add, {ComVariant::text("Pages"), ComVariant::integer(12)});
    EXPECT_EQ(dictionary.get(count).toInteger(), 2);
    EXPECT_EQ(dictionary.get(item, {ComVariant::text("Title")}).toText(), "Annual report");
    EXPECT_EQ(dictionary.get(item, {ComVariant::text("Pages")}).toInteger(), 12);
}

TEST_F(ComRealObject, PropertyPutOnADictionary) {
    const Dispatch dictionary = create(L"Scripting.Dictionary");
    ASSERT_TRUE(dictionary);
    const DISPID compareMode = id_of(dictionary, L"CompareMode");
    dictionary.put(compareMode, ComVariant::integer(1));
    EXPECT_EQ(dictionary.get(compareMode).toInteger(), 1);
}

TEST_F(ComRealObject, ErrorOfARealObjectCarriesItsDescription) {
    const Dispatch dictionary = create(L"Scripting.Dictionary");
    ASSERT_TRUE(dictionary);
    const DISPID add = id_of(dictionary, L"Add");
    dictionary.call(add, {ComVariant::text("k"), ComVariant::integer(1)});
    try {
        dictionary.call(add, {ComVariant::text("k"), ComVariant::integer(2)});
        ADD_FAILURE() << "adding a key twice was accepted";
    } catch (const WordError& error) {
        EXPECT_STRNE(error.what(), "");
    }
}

TEST_F(ComRealObject, WordIsNotInstalledHere) {
    try {
        com_backend().createApplication();
        ADD_FAILURE() << "Word.Application was created";
    } catch (const WordError& error) {
        // CO_E_CLASSSTRING: the ProgID is unknown.
        EXPECT_NE(std::string(error.what()).find("800401F3"), std::string::npos) << error.what();
    }
}

TEST(ComCheck, CheckWinwordAnswersZeroWithoutWord) {
    test::TestHost host;
    EXPECT_EQ(check_winword(), 0);
    EXPECT_EQ(host.output(), "");
}

}  // namespace
}  // namespace vane::word
