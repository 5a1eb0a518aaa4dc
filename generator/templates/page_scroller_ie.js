var tmpv=0;
tmpv=ticwvr5-psrightvr2-psleftvr1-2*parseInt(disborderw);
var cvar=0,say=0,tpos=0,enson=0,hidsay=0,hidson=0;
var divtextb="<div id=d";
var divtev1=" onmouseover=\"mdivmo(";
var divtev2=")\" onmouseout =\"restime(";
var divtev3=")\" onclick=\"butclick(";
var divtev4=")\"";
var divtexts=" style=\"position:absolute;visibility:hidden;width:"+tmpv+";COLOR: #txtcolorvr11;left:0;top:0;FONT-FAMILY: textfontfamily_vr22;FONT-SIZE: font_sizevr10pt;FONT-STYLE: textstyle_vr14;FONT-WEIGHT: fontweight_vr16;TEXT-DECORATION: none;margin:0px;overflow-x:hidden;LINE-HEIGHT: textlineheight_vr18pt;text-align:textalign_vr25;padding:0px;cursor:'default';\">";
var ie6span=" style=\"position:relative;COLOR: #titlecolorvr12;width:"+tmpv+";FONT-FAMILY: titlefontfamily_vr23;FONT-SIZE: titlefont_sizevr13pt;FONT-STYLE: titlestyle_vr15;FONT-WEIGHT: titleweight_vr17;TEXT-DECORATION: none;LINE-HEIGHT: titlelineheight_vr19pt;text-align:textalign_vr25;padding:0px;\"";
var innertxt="";
var objd=null,objd2=null;
var inoout=false;
var uzuntop=0,toplay=0;
var dahayok=false;
var uzun="<div id=\"enuzun\" style=\"position:absolute;left:0;top:0;\">";
function initte(){
	var i;
	innertxt="";
	for(i=0;i<mc;i++){
		innertxt=innertxt+divtextb+i+divtev1+i+divtev2+i+divtev3+i+divtev4+divtexts;
		innertxt=innertxt+"<span id=\"hgd"+i+"\""+ie6span+">"+titlea[i]+"</span><br>";
		innertxt=innertxt+texta[i]+"</div>";
	}
	spageie.innerHTML=innertxt;
	setTimeout(initte2,500);
}
function initte2(){
	var i,msg;
	toplay=pstopvr3;
	for(i=0;i<mc;i++){
		msg=eval("d"+i);
		msg.style.visibility="visible";
		msg.style.pixelTop=toplay+(tichvr6*i);
		msg.style.pixelLeft=psleftvr1;
	}
	uzuntop=tichvr6;
	dotrans();
}
function dotrans(){
	var i,msg;
	if(inoout==false){
		dahayok=false;
		uzuntop=uzuntop-1;
		for(i=0;i<mc;i++){
			msg=eval("d"+i);
			msg.style.pixelTop=uzuntop+(i*tichvr6);
			if((uzuntop+(i*tichvr6))==pstopvr3){
				dahayok=true;
			}
		}
		if((mc>0)&&(uzuntop<((mc-1)*tichvr6*(-1)))){
			msg=eval("d0");
			msg.style.pixelTop=uzuntop+(mc*tichvr6);
			if((uzuntop+(mc*tichvr6))==pstopvr3){
				dahayok=true;
			}
		}
		if(uzuntop<(mc*tichvr6*(-1))){
			uzuntop=0;
		}
	}
	if(dahayok==true){
		setTimeout(dotrans,pausetime_vr24);
	}else{
		setTimeout(dotrans,scrdelayinms);
	}
}
function mdivmo(gnum){
	inoout=true;
	objd=eval("d"+gnum);
	objd2=eval("hgd"+gnum);
	if(linka[gnum].length>2){
		objd.style.color="#textovercolor_vr20";
		objd2.style.color="#titleovercolor_vr21";
		objd.style.cursor='hand';
		objd2.style.cursor='hand';
	}
	window.status=""+linka[gnum];
}
function restime(gnum2){
	inoout=false;
	objd=eval("d"+gnum2);
	objd2=eval("hgd"+gnum2);
	objd.style.color="#txtcolorvr11";
	objd2.style.color="#titlecolorvr12";
	window.status="";
}
function butclick(gnum3){
	//buildergenlink
}
window.onload=initte;
