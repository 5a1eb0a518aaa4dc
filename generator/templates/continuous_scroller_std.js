var tmpv=0;
tmpv=ticwvr5-psrightvr2-psleftvr1-(2*borderwvr7);
var cvar=0,say=0,tpos=0,enson=0,hidsay=0,hidson=0;
var divtextb="<div id=d";
var divtextb2="<div id=dz";
var divtev1=" onmouseover=\"mdivmo(";
var divtev2=")\" onmouseout =\"restime(";
var divtev3=")\" onclick=\"butclick(";
var divtev4=")\"";
var divtexts=" style=\"position:absolute;visibility:hidden;width:"+tmpv+";COLOR: txtcolorvr11;left:0;top:0;FONT-FAMILY: textfontfamily_vr22;FONT-SIZE: font_sizevr10pt;FONT-STYLE: textstyle_vr14;FONT-WEIGHT: fontweight_vr16;TEXT-DECORATION: txttxtdectut;margin:0px;LINE-HEIGHT: textlineheight_vr18pt;text-align:textalign_vr25;padding:0px;\">";
var ns6span=" style=\"position:relative;COLOR: titlecolorvr12;width:"+tmpv+";FONT-FAMILY: titlefontfamily_vr23;FONT-SIZE: titlefont_sizevr13pt;FONT-STYLE: titlestyle_vr15;FONT-WEIGHT: titleweight_vr17;TEXT-DECORATION: tittxtdectut;LINE-HEIGHT: titlelineheight_vr19pt;text-align:textalign_vr25;padding:0px;\"";
var innertxt="";
var objd=null,objd2=null;
var inoout=false;
var uzuntop=0,toplay=0;
var psy = new Array();
var uzun="<div id=\"enuzun\" style=\"position:absolute;left:0;top:0;\">";
var uzun2="<div id=\"enuzun2\" style=\"position:absolute;left:0;top:0;\">";
var uzunobj=null,uzunobj2=null;
var spage=null;
function initte(){
	var i;
	innertxt=uzun;
	for(i=0;i<mc;i++){
		innertxt=innertxt+divtextb+i+divtev1+i+",0"+divtev2+i+",0"+divtev3+i+divtev4+divtexts;
		innertxt=innertxt+"<div id=\"hgd"+i+"\""+ns6span+">"+titlea[i]+"<br></div>";
		innertxt=innertxt+texta[i]+"</div>";
	}
	innertxt=innertxt+"</div>"+uzun2;
	for(i=0;i<mc;i++){
		innertxt=innertxt+divtextb2+i+divtev1+i+",1"+divtev2+i+",1"+divtev3+i+divtev4+divtexts;
		innertxt=innertxt+"<div id=\"hgdz"+i+"\""+ns6span+">"+titlea[i]+"<br></div>";
		innertxt=innertxt+texta[i]+"</div>";
	}
	innertxt=innertxt+"</div>";
	spage=document.getElementById('spagens');
	spage.innerHTML=innertxt;
	spage.style.left="0px";
	spage.style.top="0px";
	setTimeout(initte2,500);
}
function initte2(){
	var i,msg,copy;
	for(i=0;i<mc;i++){
		heightarr[i]=document.getElementById('d'+i).offsetHeight;
	}
	toplay=pstopvr3;
	for(i=0;i<mc;i++){
		msg=document.getElementById('d'+i);
		copy=document.getElementById('dz'+i);
		msg.style.visibility="visible";
		copy.style.visibility="visible";
		msg.style.top=toplay+"px";
		copy.style.top=toplay+"px";
		psy[toplay]=3;
		toplay=toplay+heightarr[i]+prgspacevr8;
	}
	uzunobj=document.getElementById('enuzun');
	uzunobj2=document.getElementById('enuzun2');
	uzunobj.style.left=psleftvr1+"px";
	uzunobj.style.height=toplay+"px";
	uzunobj.style.width=tmpv+"px";
	uzunobj.style.top=tichvr6+"px";
	uzunobj2.style.left=psleftvr1+"px";
	uzunobj2.style.height=toplay+"px";
	uzunobj2.style.width=tmpv+"px";
	uzunobj2.style.top=tichvr6+"px";
	uzuntop=tichvr6;
	dotrans();
}
function dotrans(){
	if(inoout==false){
		uzuntop=uzuntop-1;
		if(uzuntop<(toplay*(-1))){
			uzuntop=0;
			uzunobj2.style.top=tichvr6+"px";
		}
		uzunobj.style.top=uzuntop+"px";
		if((uzuntop+toplay)<tichvr6){
			uzunobj2.style.top=(uzuntop+toplay)+"px";
		}
	}
	if(psy[(uzuntop*(-1))+hangipixeldepause]==3){
		setTimeout(dotrans,pausetime_vr24+scrdelayinms);
	}else{
		setTimeout(dotrans,scrdelayinms);
	}
}
function mdivmo(gnum,gnum5){
	inoout=true;
	if(gnum5==1){
		objd=document.getElementById('dz'+gnum);
		objd2=document.getElementById('hgdz'+gnum);
	}else{
		objd=document.getElementById('d'+gnum);
		objd2=document.getElementById('hgd'+gnum);
	}
	if(linka[gnum].length>2){
		objd.style.color="#textovercolor_vr20";
		objd2.style.color="#titleovercolor_vr21";
		objd.style.cursor='pointer';
		objd2.style.cursor='pointer';
		handletxtdeccode1
		window.status=""+linka[gnum];
	}
}
function restime(gnum2,gnum5){
	inoout=false;
	if(gnum5==1){
		objd=document.getElementById('dz'+gnum2);
		objd2=document.getElementById('hgdz'+gnum2);
	}else{
		objd=document.getElementById('d'+gnum2);
		objd2=document.getElementById('hgd'+gnum2);
	}
	objd.style.color="#txtcolorvr11";
	objd2.style.color="#titlecolorvr12";
	handletxtdeccode2
	window.status="";
}
function butclick(gnum3){
	//buildergenlink
}
window.onload=initte;
